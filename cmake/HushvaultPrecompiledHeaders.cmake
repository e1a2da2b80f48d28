# SPDX-FileCopyrightText: The Hushvault developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Parsing the Qt Widgets and GoogleTest headers is most of the work of compiling a file here.
# With GCC a tree parses them once per kind of target, into a precompiled header that every
# target of that kind reuses (GCC takes one made with fewer -D definitions than the file
# has). Other compilers parse them in every file, as before.
option(HV_PRECOMPILED_HEADERS "Reuse precompiled Qt and GoogleTest headers (GCC)" ON)

set(HV_PCH_STANDARD <algorithm> <chrono> <filesystem> <functional> <map> <memory> <optional>
    <string> <string_view> <vector>)
set(HV_PCH_CORE <QCoreApplication> <QDBusConnection> <QDBusMessage> <QDBusPendingCallWatcher>
    <QDBusServiceWatcher> <QFile> <QObject> <QString> <QStringList> <QTimer> <QVariant>)
set(HV_PCH_WIDGETS <QAbstractButton> <QApplication> <QDir> <QEvent> <QFile> <QFont>
    <QFontMetrics> <QHBoxLayout> <QKeyEvent> <QLabel> <QLineEdit> <QList> <QListView>
    <QMouseEvent> <QObject> <QPainter> <QPixmap> <QPointer> <QPushButton> <QScrollArea>
    <QScrollBar> <QString> <QStringList> <QTextEdit> <QTimer> <QToolButton> <QVBoxLayout>
    <QVariant> <QWidget>)
set(HV_PCH_TESTING <gtest/gtest.h> <gmock/gmock.h>)

# hv_precompiled_headers(NAME LIBRARIES libs... HEADERS headers... TARGETS targets...): the
# object library NAME precompiles HEADERS with the usage requirements of LIBRARIES; each of
# TARGETS reuses it.
function(hv_precompiled_headers name)
    cmake_parse_arguments(PCH "" "" "LIBRARIES;HEADERS;TARGETS" ${ARGN})
    if(NOT HV_PRECOMPILED_HEADERS OR NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        return()
    endif()
    add_library(${name} OBJECT ${PROJECT_SOURCE_DIR}/cmake/PrecompiledHeaders.cpp)
    target_link_libraries(${name} PRIVATE ${PCH_LIBRARIES})
    target_precompile_headers(${name} PRIVATE ${PCH_HEADERS})
    foreach(target IN LISTS PCH_TARGETS)
        target_precompile_headers(${target} REUSE_FROM ${name})
    endforeach()
endfunction()
