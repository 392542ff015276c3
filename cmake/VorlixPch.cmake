# Precompiled Qt headers: the Qt headers are most of what every source file compiles. Each layer
# builds them once in a small target of its own and every target of that layer reuses them; a
# target must compile with the same flags as the one it reuses from, so the logic layer has its
# own set without any widget header.
set(VORLIX_PCH_LOGIK
    <QtCore>
    <QColor>
    <QFont>
    <QFontMetrics>
    <QImage>
    <QPainter>
    <algorithm>
    <array>
    <functional>
    <memory>
    <optional>
    <vector>)
set(VORLIX_PCH_FENSTER
    ${VORLIX_PCH_LOGIK}
    <QApplication>
    <QBoxLayout>
    <QCheckBox>
    <QComboBox>
    <QDialog>
    <QFrame>
    <QGridLayout>
    <QGroupBox>
    <QLabel>
    <QLineEdit>
    <QListWidget>
    <QMenuBar>
    <QPushButton>
    <QSpinBox>
    <QTabWidget>
    <QToolButton>
    <QWidget>)

file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/vorlix_pch.cpp CONTENT "// Only carries the precompiled headers.\n")
add_library(vorlix_pch_logik STATIC ${CMAKE_BINARY_DIR}/vorlix_pch.cpp)
target_link_libraries(vorlix_pch_logik PRIVATE Qt6::Core Qt6::Gui)
target_precompile_headers(vorlix_pch_logik PRIVATE ${VORLIX_PCH_LOGIK})
add_library(vorlix_pch_fenster STATIC ${CMAKE_BINARY_DIR}/vorlix_pch.cpp)
target_link_libraries(vorlix_pch_fenster PRIVATE Qt6::Core Qt6::Gui Qt6::Widgets)
target_precompile_headers(vorlix_pch_fenster PRIVATE ${VORLIX_PCH_FENSTER})
set_target_properties(vorlix_pch_logik vorlix_pch_fenster PROPERTIES AUTOMOC OFF)

# vorlix_pch(<target> LOGIK|FENSTER): the target compiles with that layer's headers.
function(vorlix_pch ziel schicht)
    string(TOLOWER ${schicht} schicht)
    target_precompile_headers(${ziel} REUSE_FROM vorlix_pch_${schicht})
endfunction()
