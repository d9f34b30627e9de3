# A static Qt (the Windows and the browser builds) links every resource of
# Widgets into the program, whether it is used or not. Its standard-icon
# images (folders, drives, media and dock buttons: 360 KB of PNG that no
# compression shrinks) serve file dialogs, dock widgets and MDI windows, none
# of which the game has; its one dialog, the error report, draws its icon
# from code. They are left out, and src/app/noqtimages.cpp answers Qt's
# call that would register them. A shared Qt keeps them in its library,
# where they cost nothing.
get_target_property(_qt_widgets_type Qt6::Widgets TYPE)
set(KLIKOMAN_STATIC_QT OFF)
if(_qt_widgets_type STREQUAL "STATIC_LIBRARY")
    set(KLIKOMAN_STATIC_QT ON)
    foreach(_n RANGE 1 9)
        set(_resource Qt6::Widgets_resources_${_n})
        if(NOT TARGET ${_resource})
            continue()
        endif()
        foreach(_property IMPORTED_OBJECTS IMPORTED_OBJECTS_RELEASE)
            get_target_property(_objects ${_resource} ${_property})
            if(_objects MATCHES "/qrc_qstyle[0-9]*\\.cpp\\.(o|obj)$")
                set_target_properties(${_resource} PROPERTIES ${_property} "")
            endif()
        endforeach()
    endforeach()
endif()
