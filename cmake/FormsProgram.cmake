# Every interface resource goes through uic as a host's own forms would: uic writes a Ui class
# per resource and one program builds each of them on a QWidget. A resource uic cannot handle
# (an unknown property, a setter that does not exist, a custom widget's header that does not
# resolve) breaks that program's build, not a user's. Used by this build and by the consumer
# project that builds against the installed package.
#
# nequoraui_add_forms_program(<target> <folder of .ui files>): the caller links the target
# against the platform library it means to check.
function(nequoraui_add_forms_program target forms_dir)
    file(GLOB forms CONFIGURE_DEPENDS ${forms_dir}/*.ui)
    if(NOT forms)
        message(FATAL_ERROR "No interface resources (.ui) in ${forms_dir}")
    endif()
    set(source "#include <QApplication>\n")
    set(setup "")
    foreach(form ${forms})
        get_filename_component(name ${form} NAME_WE)
        file(READ ${form} form_text)
        # A header named as the build tree has it (platform/Name.h) resolves here, through the
        # library's own include folders, but not in a host's build against the install.
        string(REGEX MATCHALL "<header[^>]*>[^<]*</header>" headers "${form_text}")
        foreach(header ${headers})
            if(NOT header MATCHES "^<header location=\"global\">NequoraUI/")
                message(FATAL_ERROR "${form} names ${header}; write it as installed: "
                    "<header location=\"global\">NequoraUI/...</header>")
            endif()
        endforeach()
        string(REGEX MATCH "<class>([A-Za-z0-9_]+)</class>" _ "${form_text}")
        string(APPEND source "#include \"ui_${name}.h\"\n")
        string(APPEND setup "    { QWidget form; Ui::${CMAKE_MATCH_1} ui; ui.setupUi(&form); }\n")
    endforeach()
    string(APPEND source
        "\nint main(int argc, char **argv)\n{\n    QApplication app(argc, argv);\n"
        "${setup}    return 0;\n}\n")
    set(main ${CMAKE_CURRENT_BINARY_DIR}/${target}-main/${target}.cpp)
    file(GENERATE OUTPUT ${main} CONTENT "${source}")
    qt_wrap_ui(form_headers ${forms})
    add_executable(${target} ${main} ${form_headers})
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
    target_link_libraries(${target} PRIVATE Qt6::Widgets)
endfunction()
