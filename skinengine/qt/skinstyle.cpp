#include "skinengine/qt/skinstyle.h"

#include <QColor>

namespace vantrel::skinengine {

namespace {

QColor qcolour(ui::Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The style sheet below names colours by key, as "{face}"; each becomes its colour.
QString fill(QString sheet, const Skin& skin) {
    for (const std::string_view key : skincolours()) {
        const QString name = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
        sheet.replace(QLatin1Char('{') + name + QLatin1Char('}'), qcolour(skin.colour(key)).name());
    }
    return sheet.replace(QStringLiteral("{radius}"), QString::number(skin.radius));
}

} // namespace

QPalette skinpalette(const Skin& skin) {
    QPalette palette;
    const QColor face = qcolour(skin.colour("face"));
    const QColor text = qcolour(skin.colour("text"));
    const QColor light = qcolour(skin.colour("light"));
    const QColor shadow = qcolour(skin.colour("shadow"));
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, face);
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::Light, light);
        palette.setColor(group, QPalette::Midlight, light.darker(106));
        palette.setColor(group, QPalette::Mid, shadow.lighter(120));
        palette.setColor(group, QPalette::Dark, shadow);
        palette.setColor(group, QPalette::Shadow, shadow.darker(160));
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::AlternateBase, face.lighter(104));
        palette.setColor(group, QPalette::Highlight, qcolour(skin.colour("highlight")));
        palette.setColor(group, QPalette::HighlightedText, qcolour(skin.colour("highlighttext")));
        palette.setColor(group, QPalette::ToolTipBase, light);
        palette.setColor(group, QPalette::ToolTipText, text);
    }
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    palette.setColor(QPalette::Disabled, QPalette::WindowText, shadow);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, shadow);
    palette.setColor(QPalette::Disabled, QPalette::Text, shadow);
    return palette;
}

QString skinstylesheet(const Skin& skin) {
    static const QString sheet = QStringLiteral(R"(
QPushButton {
    color: {buttontext};
    border: 1px solid {buttonborder};
    border-radius: {radius}px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {button}, stop:1 {buttonend});
    padding: 0px 3px;
}
QPushButton:hover {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {hover}, stop:1 {hoverend});
}
QPushButton:pressed {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {pressed}, stop:1 {pressedend});
}
QPushButton:focus { border: 2px solid {grouptext}; }
QPushButton:disabled { color: {light}; }
QLineEdit {
    border: 1px solid {editborder};
    border-radius: 2px;
    selection-background-color: {highlight};
    selection-color: {highlighttext};
}
QLineEdit:focus { border: 1px solid {focus}; }
QComboBox {
    border: 1px solid {editborder};
    border-radius: 2px;
    background: #ffffff;
    color: #000000;
    padding: 0px 2px;
    selection-background-color: {highlight};
    selection-color: {highlighttext};
}
QComboBox:focus { border: 1px solid {focus}; }
QComboBox::drop-down {
    width: 15px;
    border-left: 1px solid {editborder};
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {button}, stop:1 {buttonend});
}
QComboBox QAbstractItemView {
    border: 1px solid {editborder};
    background: #ffffff;
    color: #000000;
    selection-background-color: {highlight};
    selection-color: {highlighttext};
    outline: 0px;
}
QTableView {
    border: 1px solid {editborder};
    gridline-color: {grid};
    selection-background-color: {highlight};
    selection-color: {highlighttext};
}
QHeaderView::section {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {header}, stop:1 {headerend});
    color: {headertext};
    border: 0px;
    border-right: 1px solid {grid};
    border-bottom: 1px solid {grid};
    padding: 0px 4px;
}
QGroupBox {
    border: 1px solid {groupborder};
    border-radius: {radius}px;
    margin-top: 6px;
}
QGroupBox::title {
    subcontrol-origin: margin;
    left: 8px;
    padding: 0px 2px;
    color: {grouptext};
}
QScrollBar:vertical { background: {scroll}; width: 15px; margin: 0px; }
QScrollBar:horizontal { background: {scroll}; height: 15px; margin: 0px; }
QScrollBar::handle:vertical { background: {scrollhandle}; border-radius: 3px; min-height: 24px; margin: 2px; }
QScrollBar::handle:horizontal { background: {scrollhandle}; border-radius: 3px; min-width: 24px; margin: 2px; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }
QMessageBox, QFileDialog { background: {face}; }
)");
    return fill(sheet, skin);
}

} // namespace vantrel::skinengine
