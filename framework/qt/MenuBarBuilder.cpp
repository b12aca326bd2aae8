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

QObject* MenuBarBuilder::buildShortcuts(const platform::MenuSpec& menuBar, QWidget* window, Chosen chosen) {
    auto* holder = new QObject(window);
    addShortcuts(holder, menuBar, window, chosen);
    const auto update =
        editItemsUpdate([window] { return window->focusWidget(); },
                        [holder] { return holder->findChildren<QAction*>(Qt::FindDirectChildrenOnly); });
    QObject::connect(qApp, &QApplication::focusChanged, holder, update);
    update();
    return holder;
}

void MenuBarBuilder::addShortcuts(QObject* holder, const platform::MenuSpec& parent, QWidget* window,
                                  const Chosen& chosen) {
    for (const platform::MenuSpec& item : parent.children) {
        if (!item.visible)
            continue;
        addShortcuts(holder, item, window, chosen);
        if (item.shortcut.empty() || !item.children.empty())
            continue;
        auto* action = new QAction(holder);
        action->setObjectName(QString::fromStdString(item.name));
        action->setShortcut(shortcut(item.shortcut));
        window->addAction(action);
        connectItem(action, item.name, chosen, [window] { return window->focusWidget(); });
    }
}

void MenuBarBuilder::connectItem(QAction* action, const std::string& name, const Chosen& chosen,
                                 const Target& target) {
    QObject::connect(action, &QAction::triggered, action, [name, chosen, target] {
        if (EditCommands::handles(name))
            EditCommands::perform(name, target());
        else
            CoreCall::run("a menu item", [&] { chosen(name); });
    });
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
            connectItem(action, item.name, chosen, [menu] { return focusedFor(menu); });
        }
        action->setObjectName(QString::fromStdString(item.name));
        action->setVisible(item.visible);
    }
    const auto update =
        editItemsUpdate([menu] { return focusedFor(menu); }, [menu] { return menu->actions(); });
    QObject::connect(menu, &QMenu::aboutToShow, menu, update);
    QObject::connect(qApp, &QApplication::focusChanged, menu, update);
    update();
}

std::function<void()> MenuBarBuilder::editItemsUpdate(Target target,
                                                      std::function<QList<QAction*>()> actions) {
    return [target = std::move(target), actions = std::move(actions)] {
        QWidget* focused = target();
        for (QAction* action : actions()) {
            const std::string name = action->objectName().toStdString();
            if (EditCommands::handles(name))
                action->setEnabled(EditCommands::canPerform(name, focused));
        }
    };
}

} // namespace fw::qt
