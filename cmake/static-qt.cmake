# A static Qt (the Windows and the browser builds) links every resource of
# its modules into the program, whether it is used or not. Two are left out:
# - Widgets' standard-icon images (folders, drives, media and dock buttons:
#   360 KB of PNG that no compression shrinks) serve file dialogs, dock
#   widgets and MDI windows, none of which the game has; its one dialog, the
#   error report, draws its icon from code. src/app/noqtimages.cpp answers
#   QApplication's call that would register them.
# - The browser plugin's own faces (DejaVu and Vera, 1.1 MB): the game
#   carries the faces it draws with, and Qt falls back to those.
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
                if(_objects MATCHES "/qrc_(qstyle[0-9]*|wasmfonts)\\.cpp\\.(o|obj)$")
                    set_target_properties(${_resource} PROPERTIES ${_property} "")
                endif()
            endforeach()
        endforeach()
    endforeach()
endif()
