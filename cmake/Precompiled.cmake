# Precompiled headers. Most of the time a source takes to compile goes into reading the Qt (and, in the
# tests, GoogleTest) headers it includes, the same ones in nearly every source. Each kind of target (the core
# libraries on Qt Core with text never cast from ASCII, the windows on Qt Widgets, the tests) has its headers
# read once, by an owner target, and every target of that kind reuses them. GCC only: the fuzz build
# (clang) goes without.
option(ROTAPLAN_PCH "Precompile the Qt headers the sources read most" ON)
if(ROTAPLAN_PCH AND NOT ROTAPLAN_FUZZ AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    set(ROTAPLAN_USE_PCH ON)
else()
    set(ROTAPLAN_USE_PCH OFF)
endif()

set(ROTAPLAN_PCH_CORE_HEADERS
    <QByteArray> <QDate> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QString> <QStringList>
    <algorithm> <array> <functional> <memory> <optional> <vector>)
set(ROTAPLAN_PCH_WIDGETS_HEADERS
    ${ROTAPLAN_PCH_CORE_HEADERS}
    <QAction> <QComboBox> <QDialog> <QGridLayout> <QGroupBox> <QHBoxLayout> <QKeyEvent> <QLabel> <QLineEdit>
    <QListWidget> <QMainWindow> <QPainter> <QPlainTextEdit> <QPushButton> <QVBoxLayout> <QWidget>)

# rotaplan_pch_owner(name LIBS libs... DEFINITIONS defs... HEADERS headers...): an empty object library
# that makes the precompiled headers of one kind of target. The definitions are those the headers depend
# on (a reusing target must be built with the same ones).
function(rotaplan_pch_owner name)
    if(NOT ROTAPLAN_USE_PCH)
        return()
    endif()
    cmake_parse_arguments(PCH "" "" "LIBS;DEFINITIONS;HEADERS" ${ARGN})
    set(empty ${CMAKE_CURRENT_BINARY_DIR}/${name}.cpp)
    file(WRITE ${empty} "// The precompiled headers of ${name} are made with this empty source.\n")
    add_library(${name} OBJECT ${empty})
    target_link_libraries(${name} PRIVATE ${PCH_LIBS})
    target_compile_definitions(${name} PRIVATE ${PCH_DEFINITIONS})
    target_precompile_headers(${name} PRIVATE ${PCH_HEADERS})
endfunction()

# rotaplan_use_pch(owner targets...): the targets read the owner's precompiled headers.
function(rotaplan_use_pch owner)
    if(NOT ROTAPLAN_USE_PCH)
        return()
    endif()
    foreach(target IN LISTS ARGN)
        target_precompile_headers(${target} REUSE_FROM ${owner})
    endforeach()
endfunction()
