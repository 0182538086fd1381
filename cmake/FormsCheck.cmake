# Every interface resource goes through uic as a host's own forms would: uic writes a Ui class
# per resource and one program builds each of them on a QWidget, so a resource uic cannot
# handle (an unknown property, a setter that does not exist) breaks the build, not a user's.
file(GLOB nequoraui_forms CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/*.ui)
set(nequoraui_forms_source "#include <QApplication>\n")
set(nequoraui_forms_setup "")
foreach(form ${nequoraui_forms})
    get_filename_component(name ${form} NAME_WE)
    file(READ ${form} form_text)
    string(REGEX MATCH "<class>([A-Za-z0-9_]+)</class>" _ "${form_text}")
    string(APPEND nequoraui_forms_source "#include \"ui_${name}.h\"\n")
    string(APPEND nequoraui_forms_setup
        "    { QWidget form; Ui::${CMAKE_MATCH_1} ui; ui.setupUi(&form); }\n")
endforeach()
string(APPEND nequoraui_forms_source
    "\nint main(int argc, char **argv)\n{\n    QApplication app(argc, argv);\n"
    "${nequoraui_forms_setup}    return 0;\n}\n")
file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/forms-check/forms_check.cpp
    CONTENT "${nequoraui_forms_source}")

qt_wrap_ui(nequoraui_form_headers ${nequoraui_forms})
add_executable(nequoraui_forms_check
    ${PROJECT_BINARY_DIR}/forms-check/forms_check.cpp ${nequoraui_form_headers})
target_include_directories(nequoraui_forms_check PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
target_link_libraries(nequoraui_forms_check PRIVATE NequoraPlatform Qt6::Widgets)
