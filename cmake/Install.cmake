# cmake --install: the libraries, their headers, the QML module and a package config, so that
# another project can find_package(NequoraUI) and link NequoraUI::NequoraUI. The simulated
# engine comes along as the optional component Sim (find_package(NequoraUI COMPONENTS Sim),
# target NequoraUI::Sim, install component "Sim").
#
# Headers install flattened, whatever folders the sources use: the library's as
# <NequoraUI/Name.h>, the platform layer's as <NequoraUI/platform/Name.h>, the SDK's as
# <NequoraUI/sdk/Name.h> and the simulated engine's as <NequoraUI/sdk/sim/Name.h>. So within
# installed headers, library headers include each other and platform headers include each
# other by bare name, library headers include the platform's as "platform/Name.h", and SDK
# headers ("NQParameter.h", "sim/SimEngine.h") resolve through the SDK's include folder. The
# build tree mirrors this layout (HeaderMirror.cmake), so the same includes work there.
include(CMakePackageConfigHelpers)

set(NEQUORAUI_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/NequoraUI)
set(NEQUORAUI_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/NequoraUI)

install(TARGETS NequoraSDK NequoraPlatform NequoraUI
    EXPORT NequoraUITargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

file(GLOB_RECURSE NEQUORAUI_PUBLIC_HEADERS ${PROJECT_SOURCE_DIR}/src/*.h)
file(GLOB_RECURSE NEQUORAUI_PLATFORM_HEADERS ${PROJECT_SOURCE_DIR}/platform/*.h)
file(GLOB NEQUORAUI_SDK_HEADERS ${PROJECT_SOURCE_DIR}/sdk/*.h)
install(FILES ${NEQUORAUI_PUBLIC_HEADERS} DESTINATION ${NEQUORAUI_INCLUDE_DIR})
install(FILES ${NEQUORAUI_PLATFORM_HEADERS} DESTINATION ${NEQUORAUI_INCLUDE_DIR}/platform)
install(FILES ${NEQUORAUI_SDK_HEADERS} DESTINATION ${NEQUORAUI_INCLUDE_DIR}/sdk)

# The QML module: plugin, qmldir and type information for tooling, below the import path.
install(TARGETS nequorauiqmlplugin LIBRARY DESTINATION ${NEQUORAUI_INSTALL_QMLDIR}/NequoraUI)
get_target_property(nequoraui_qml_module_dir NequoraUI QT_QML_MODULE_OUTPUT_DIRECTORY)
install(FILES ${nequoraui_qml_module_dir}/qmldir ${nequoraui_qml_module_dir}/NequoraUI.qmltypes
    DESTINATION ${NEQUORAUI_INSTALL_QMLDIR}/NequoraUI)
# The qmldir names the Quick screen's documents by path, so tooling and the engine find them here.
install(FILES ${PROJECT_SOURCE_DIR}/src/quick/GraphScreen.qml ${PROJECT_SOURCE_DIR}/src/quick/GraphRow.qml
    ${PROJECT_SOURCE_DIR}/src/quick/GraphPresetBar.qml
    DESTINATION ${NEQUORAUI_INSTALL_QMLDIR}/NequoraUI/quick)

# The simulated engine, with the description of the graph files it reads beside its headers.
# Its JSON reader stays private: users need no JSON library.
if(TARGET NequoraSDKSim)
    install(TARGETS NequoraSDKSim
        EXPORT NequoraUISimTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Sim)
    file(GLOB NEQUORAUI_SIM_HEADERS ${PROJECT_SOURCE_DIR}/sdk/sim/*.h)
    list(FILTER NEQUORAUI_SIM_HEADERS EXCLUDE REGEX "/GraphFileReader\\.h$")
    install(FILES ${NEQUORAUI_SIM_HEADERS} ${PROJECT_SOURCE_DIR}/sdk/sim/GRAPH_FORMAT.md
        DESTINATION ${NEQUORAUI_INCLUDE_DIR}/sdk/sim COMPONENT Sim)
    install(EXPORT NequoraUISimTargets
        NAMESPACE NequoraUI::
        DESTINATION ${NEQUORAUI_CMAKE_DIR} COMPONENT Sim)
endif()

install(EXPORT NequoraUITargets
    NAMESPACE NequoraUI::
    DESTINATION ${NEQUORAUI_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/NequoraUIConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/NequoraUIConfig.cmake
    INSTALL_DESTINATION ${NEQUORAUI_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/NequoraUIConfigVersion.cmake
    VERSION ${PROJECT_VERSION}
    COMPATIBILITY SameMajorVersion)
install(FILES
    ${CMAKE_CURRENT_BINARY_DIR}/NequoraUIConfig.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/NequoraUIConfigVersion.cmake
    DESTINATION ${NEQUORAUI_CMAKE_DIR})
