# A static Qt (the Windows and the browser builds) links every resource of
# its modules into the program, whether it is used or not. Two are left out:
# - Widgets' standard-icon images (folders, drives, media and dock buttons:
#   360 KB of PNG that no compression shrinks) serve file dialogs, dock
#   widgets and MDI windows, none of which the game has; its one dialog, the
#   error report, draws its icon from code. noqtimages.cpp beside this file
#   answers QApplication's call that would register them, in every program
#   that links Qt's Widgets.
# - The browser plugin's own faces (DejaVu and Vera, 1.1 MB): the game
#   carries the faces it draws with, and Qt falls back to those.
# Qt 6.4 links a resource's own object, which is left out here; Qt 6.8 an
# object that registers it (NAME_init) and so would pull the resource out of
# the library, were the registration not answered by noqtimages.cpp.
# A shared Qt keeps its resources in its libraries, where they cost nothing.
get_target_property(_qt_widgets_type Qt6::Widgets TYPE)
set(KLIKOMAN_STATIC_QT OFF)
if(_qt_widgets_type STREQUAL "STATIC_LIBRARY")
    set(KLIKOMAN_STATIC_QT ON)
    foreach(_module Widgets QWasmIntegrationPlugin)
        foreach(_n RANGE 1 9)
            set(_resource Qt6::${_module}_resources_${_n})
            if(NOT TARGET ${_resource})
                continue()
            endif()
            foreach(_property IMPORTED_OBJECTS IMPORTED_OBJECTS_RELEASE)
                get_target_property(_objects ${_resource} ${_property})
                if(_objects)
                    list(FILTER _objects EXCLUDE REGEX
                         "/qrc_(qstyle[0-9]*|wasmfonts)\\.cpp\\.(o|obj)$")
                    set_target_properties(${_resource} PROPERTIES ${_property} "${_objects}")
                endif()
            endforeach()
        endforeach()
    endforeach()
    # Its objects go into every program linked with Widgets, through Widgets.
    add_library(klikoman_noqtimages OBJECT ${CMAKE_CURRENT_LIST_DIR}/noqtimages.cpp)
    target_link_libraries(klikoman_noqtimages INTERFACE $<TARGET_OBJECTS:klikoman_noqtimages>)
    target_link_libraries(Qt6::Widgets INTERFACE klikoman_noqtimages)
endif()
