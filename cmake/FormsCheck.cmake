# The library's forms, through uic and built against the build tree's platform headers, which
# resolve as installed (<NequoraUI/platform/Name.h>).
include(${CMAKE_CURRENT_LIST_DIR}/FormsProgram.cmake)
nequoraui_add_forms_program(nequoraui_forms_check ${PROJECT_SOURCE_DIR}/resources)
target_link_libraries(nequoraui_forms_check PRIVATE NequoraPlatform)
