# How the tree is compiled and linked: build types, linker, compiler cache, the one
# precompiled header and unity batches. Every library, test and benchmark program
# goes through vestora_speed_up(), so they all compile with the same flags and can
# share the precompiled header.

# Quick: for tests and CI; compiles fast, no debug information.
# Release: the program that scripts/run starts, and the benchmarks.
set(CMAKE_C_FLAGS_QUICK "-O0 -g0" CACHE STRING "C flags of the Quick build type")
set(CMAKE_CXX_FLAGS_QUICK "-O0 -g0" CACHE STRING "C++ flags of the Quick build type")
set(CMAKE_EXE_LINKER_FLAGS_QUICK "" CACHE STRING "")
set(CMAKE_SHARED_LINKER_FLAGS_QUICK "" CACHE STRING "")
set(CMAKE_STATIC_LINKER_FLAGS_QUICK "" CACHE STRING "")
set(CMAKE_MODULE_LINKER_FLAGS_QUICK "" CACHE STRING "")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG")
mark_as_advanced(CMAKE_C_FLAGS_QUICK CMAKE_CXX_FLAGS_QUICK CMAKE_EXE_LINKER_FLAGS_QUICK CMAKE_SHARED_LINKER_FLAGS_QUICK
    CMAKE_STATIC_LINKER_FLAGS_QUICK CMAKE_MODULE_LINKER_FLAGS_QUICK)
if(NOT CMAKE_BUILD_TYPE)
    set(CMAKE_BUILD_TYPE Quick)
endif()
# Debian's Qt and GoogleTest carry one configuration; any of them will do for Quick.
set(CMAKE_MAP_IMPORTED_CONFIG_QUICK Release RelWithDebInfo None "")

# Qt wants position-independent code; asking it of every target keeps the flags of
# all targets equal, which the shared precompiled header needs.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
    set(CMAKE_C_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

# The fastest linker at hand: mold, then lld, else the default.
include(CheckLinkerFlag)
foreach(_ld mold lld)
    check_linker_flag(CXX "-fuse-ld=${_ld}" VESTORA_HAVE_LD_${_ld})
    if(VESTORA_HAVE_LD_${_ld})
        add_link_options("-fuse-ld=${_ld}")
        break()
    endif()
endforeach()

# Files of one library compiled together. Measured on two cores: batches of this
# size beat both single files and one batch per library.
set(VESTORA_UNITY_BATCH 8 CACHE STRING "Source files per unity batch")
option(VESTORA_UNITY "Compile each library in unity batches" ON)

# The headers that most files use, parsed once for the whole build.
set(VESTORA_PCH_HEADERS
    <QString> <QStringList> <QVariant> <QDate> <QDateTime> <QList> <QHash> <QSet> <QMap> <QObject>
    <QByteArray> <QFile> <QFileInfo> <QDir> <QTemporaryDir> <QRegularExpression> <QPointer> <QTimer>
    <QColor> <QFont> <QImage> <QPixmap> <QPainter> <QRectF> <QKeyEvent>
    <QApplication> <QWidget> <QDialog> <QLabel> <QLineEdit> <QPushButton> <QComboBox> <QCheckBox>
    <QBoxLayout> <QHeaderView> <QTableView> <QTreeWidget> <QAbstractTableModel>
    <algorithm> <cmath> <functional> <map> <memory> <optional> <stdexcept> <string> <utility> <vector>)

file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/pch/pch.cpp CONTENT "// Carries the shared precompiled header.\n")
add_library(vestora_pch STATIC ${CMAKE_BINARY_DIR}/pch/pch.cpp)
target_link_libraries(vestora_pch PUBLIC Qt6::Widgets)
target_precompile_headers(vestora_pch PRIVATE ${VESTORA_PCH_HEADERS})

# Tests add GoogleTest to it; a second header, since the program has no use for it.
if(TARGET GTest::gtest)
    add_library(vestora_test_pch STATIC ${CMAKE_BINARY_DIR}/pch/pch.cpp)
    target_link_libraries(vestora_test_pch PUBLIC Qt6::Widgets GTest::gtest GTest::gmock)
    target_precompile_headers(vestora_test_pch PRIVATE ${VESTORA_PCH_HEADERS} <gtest/gtest.h> <gmock/gmock.h>)
endif()

# Shared header, unity batches and moc for one target. TEST picks the tests' header.
function(vestora_speed_up target)
    cmake_parse_arguments(ARG "TEST" "" "" ${ARGN})
    if(ARG_TEST)
        target_precompile_headers(${target} REUSE_FROM vestora_test_pch)
        # The header's own include paths, should the compiler ever parse it instead.
        target_link_libraries(${target} PRIVATE vestora_test_pch)
    else()
        target_precompile_headers(${target} REUSE_FROM vestora_pch)
        target_link_libraries(${target} PRIVATE vestora_pch)
    endif()
    set_target_properties(${target} PROPERTIES UNITY_BUILD ${VESTORA_UNITY} UNITY_BUILD_BATCH_SIZE ${VESTORA_UNITY_BATCH})
    # moc only where a class needs it: scanning and the extra compile cost time.
    get_target_property(_sources ${target} SOURCES)
    foreach(_f ${_sources})
        if(_f MATCHES "\\.(h|cpp)$")
            file(STRINGS ${_f} _hit REGEX "Q_OBJECT|Q_GADGET|Q_NAMESPACE" LIMIT_COUNT 1)
            if(_hit)
                set_target_properties(${target} PROPERTIES AUTOMOC ON)
                break()
            endif()
        endif()
    endforeach()
endfunction()
