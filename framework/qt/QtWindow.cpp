#include "qt/QtWindow.h"

#include "qt/ButtonWidget.h"
#include "qt/CanvasWidget.h"
#include "qt/CoreCall.h"
#include "qt/LabelWidget.h"
#include "qt/QtControl.h"
#include "qt/TabChain.h"
#include "qt/WindowWidget.h"
#include "qt/movie/MoviePlayerWidget.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

namespace fw::qt {

QtWindow::QtWindow(platform::WindowEvents& events, MenuBarBuilder::Chosen menuChosen,
                   std::function<const platform::MenuSpec*()> applicationMenuBar)
    : window_(new WindowWidget), content_(new QWidget(window_)), layout_(new QVBoxLayout(window_)),
      menuChosen_(std::move(menuChosen)), applicationMenuBar_(std::move(applicationMenuBar)),
      tabChain_(std::make_shared<TabChain>()) {
    content_->setObjectName(QStringLiteral("contentArea"));
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(content_);
    window_->setCloseRequested([&events] { events.closeRequested(); });
}

QtWindow::~QtWindow() {
    if (!window_)
        return;
    window_->setCloseRequested({});
    window_->hide();
    CoreCall::dispose(window_);
}

QWidget* QtWindow::topLevel() const {
    return window_;
}

Qt::WindowFlags QtWindow::flagsFor(const platform::WindowState& state) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (state.hasCloseButton)
        flags |= Qt::WindowCloseButtonHint;
    if (state.hasMinimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (state.hasMaximizeButton || state.hasFullScreenButton)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

void QtWindow::update(const platform::WindowState& state) {
    if (!window_)
        return;
    const QString title = QString::fromStdString(state.title);
    if (window_->windowTitle() != title)
        window_->setWindowTitle(title);
    window_->setClosable(state.hasCloseButton);
    const Qt::WindowFlags flags = flagsFor(state);
    if (window_->windowFlags() != flags) {
        const bool wasVisible = window_->isVisible();
        window_->setWindowFlags(flags); // hides a shown window
        window_->setVisible(wasVisible);
    }
    if (!shown_ || shown_->width != state.width || shown_->height != state.height ||
        shown_->resizeable != state.resizeable)
        applySize(state);
    shown_ = state;
    if (state.visible && !window_->isVisible()) {
        showMappedFirst();
        window_->raise();
        window_->activateWindow();
    } else if (!state.visible && window_->isVisible()) {
        window_->hide();
    }
}

void QtWindow::applySize(const platform::WindowState& state) {
    if (!state.resizeable) {
        content_->setFixedSize(state.width, state.height);
        layout_->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        content_->setMinimumSize(0, 0);
        content_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        layout_->setSizeConstraint(QLayout::SetDefaultConstraint);
        window_->setMinimumSize(0, 0);
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        const int menuHeight = menuBar_ ? menuBar_->heightForWidth(state.width) : 0;
        window_->resize(state.width, state.height + std::max(menuHeight, 0));
    }
    layout_->activate();
}

// The first time, the window is put on screen before its content is shown: the content's first
// accessibility event connects to the desktop's session bus, which the window need not wait for.
void QtWindow::showMappedFirst() {
    const bool first = !placed_;
    placeOnScreen();
    if (!first || content_->isHidden()) {
        window_->show();
        return;
    }
    const QSizePolicy policy = content_->sizePolicy();
    QSizePolicy keepsItsPlace = policy;
    keepsItsPlace.setRetainSizeWhenHidden(true);
    content_->setSizePolicy(keepsItsPlace);
    content_->hide();
    window_->show();
    content_->show();
    content_->setSizePolicy(policy);
}

// Centred on the screen the first time the window is shown; where the user moved it afterwards.
void QtWindow::placeOnScreen() {
    if (placed_)
        return;
    placed_ = true;
    layout_->activate();
    const QScreen* screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize size = window_->size();
    const QPoint topLeft(available.x() + std::max(0, (available.width() - size.width()) / 2),
                         available.y() + std::max(0, (available.height() - size.height()) / 2));
    window_->move(topLeft);
}

void QtWindow::setMenuBar(const platform::MenuSpec* menuBar) {
    if (!window_)
        return;
    QMenuBar* old = menuBar_;
    menuBar_ = menuBar ? MenuBarBuilder::build(*menuBar, window_, menuChosen_) : nullptr;
    layout_->setMenuBar(menuBar_);
    if (applicationShortcuts_)
        CoreCall::dispose(applicationShortcuts_);
    const platform::MenuSpec* application = applicationMenuBar_ ? applicationMenuBar_() : nullptr;
    if (!menuBar && application)
        applicationShortcuts_ = MenuBarBuilder::buildShortcuts(*application, window_, menuChosen_);
    if (old) {
        old->hide();
        CoreCall::dispose(old);
    }
    if (shown_)
        applySize(*shown_);
    else
        layout_->activate();
}

std::unique_ptr<platform::NativeControl> QtWindow::createControl(platform::ControlKind kind,
                                                                 platform::ControlEvents& events) {
    if (!content_)
        return nullptr;
    ControlView* view = nullptr;
    switch (kind) {
    case platform::ControlKind::Button:
        view = new ButtonWidget(events, content_);
        break;
    case platform::ControlKind::Label:
        view = new LabelWidget(events, content_);
        break;
    case platform::ControlKind::Canvas:
        view = new CanvasWidget(events, content_);
        break;
    case platform::ControlKind::MoviePlayer:
        view = new MoviePlayerWidget(events, content_);
        break;
    }
    view->widget()->hide(); // shown by its first update, with its place and content
    return std::make_unique<QtControl>(*view, tabChain_);
}

} // namespace fw::qt
