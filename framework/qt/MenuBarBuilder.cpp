#include "qt/MenuBarBuilder.h"

#include "qt/CoreCall.h"
#include "qt/EditCommands.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

namespace fw::qt {

namespace {

QString modifierOnThisDesktop(const QString& part) {
    const QString key = part.trimmed().toLower();
    if (key == QLatin1String("cmd") || key == QLatin1String("command") || key == QLatin1String("control"))
        return QStringLiteral("Ctrl");
    if (key == QLatin1String("option") || key == QLatin1String("opt"))
        return QStringLiteral("Alt");
    return part.trimmed();
}

// The focused widget of the window whose menu bar holds `menu`.
QWidget* focusedFor(const QMenu* menu) {
    QWidget* host = menu->parentWidget();
    while (qobject_cast<QMenu*>(host))
        host = host->parentWidget();
    return host ? host->window()->focusWidget() : nullptr;
}

} // namespace

QMenuBar* MenuBarBuilder::build(const platform::MenuSpec& menuBar, QWidget* window, Chosen chosen) {
    auto* bar = new QMenuBar(window);
    bar->setObjectName(QString::fromStdString(menuBar.name));
    bar->setNativeMenuBar(false);
    for (const platform::MenuSpec& top : menuBar.children) {
        auto* menu = bar->addMenu(QString::fromStdString(top.text));
        menu->setObjectName(QString::fromStdString(top.name));
        menu->menuAction()->setObjectName(QString::fromStdString(top.name));
        menu->menuAction()->setVisible(top.visible);
        fill(menu, top, chosen);
    }
    return bar;
}

QKeySequence MenuBarBuilder::shortcut(const std::string& text) {
    if (text.empty())
        return {};
    QStringList parts = QString::fromStdString(text).split(QLatin1Char('+'));
    for (qsizetype i = 0; i + 1 < parts.size(); ++i)
        parts[i] = modifierOnThisDesktop(parts[i]);
    return QKeySequence::fromString(parts.join(QLatin1Char('+')), QKeySequence::PortableText);
}

void MenuBarBuilder::fill(QMenu* menu, const platform::MenuSpec& parent, const Chosen& chosen) {
    for (const platform::MenuSpec& item : parent.children) {
        QAction* action = nullptr;
        if (item.text == "-") {
            action = menu->addSeparator();
        } else if (!item.children.empty()) {
            QMenu* submenu = menu->addMenu(QString::fromStdString(item.text));
            submenu->setObjectName(QString::fromStdString(item.name));
            fill(submenu, item, chosen);
            action = submenu->menuAction();
        } else {
            action = menu->addAction(QString::fromStdString(item.text));
            action->setShortcut(shortcut(item.shortcut));
            const std::string name = item.name;
            QObject::connect(action, &QAction::triggered, action, [name, chosen, menu] {
                if (EditCommands::handles(name))
                    EditCommands::perform(name, focusedFor(menu));
                else
                    CoreCall::run("a menu item", [&] { chosen(name); });
            });
        }
        action->setObjectName(QString::fromStdString(item.name));
        action->setVisible(item.visible);
    }
    // Edit items follow the focus, so that their shortcuts fire only when they can act.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { updateEditItems(menu); });
    QObject::connect(qApp, &QApplication::focusChanged, menu, [menu] { updateEditItems(menu); });
    updateEditItems(menu);
}

void MenuBarBuilder::updateEditItems(QMenu* menu) {
    QWidget* target = focusedFor(menu);
    for (QAction* action : menu->actions()) {
        const std::string name = action->objectName().toStdString();
        if (EditCommands::handles(name))
            action->setEnabled(EditCommands::canPerform(name, target));
    }
}

} // namespace fw::qt
