#include "qt/AccessibleViews.h"

#include "qt/AccessibleLabel.h"
#include "qt/CanvasWidget.h"
#include "qt/LabelWidget.h"
#include "qt/WindowWidget.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace fw::qt {

namespace {

// Qt's accessibility cache owns what this makes.
QAccessibleInterface* interfaceFor(const QString&, QObject* object) {
    if (auto* label = qobject_cast<LabelWidget*>(object))
        return new AccessibleLabel(label);
    if (auto* canvas = qobject_cast<CanvasWidget*>(object))
        return new QAccessibleWidget(canvas, QAccessible::Graphic);
    if (auto* window = qobject_cast<WindowWidget*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

} // namespace

void AccessibleViews::install() {
    static const bool installed = [] {
        QAccessible::installFactory(&interfaceFor);
        return true;
    }();
    (void)installed;
}

} // namespace fw::qt
