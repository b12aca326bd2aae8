#include "qt/DisplayGuard.h"

#include "runtime/NoDisplayException.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace fw::qt {

namespace {

struct HeldMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
bool connecting = false;
std::vector<HeldMessage> held;

void passOn(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (previousHandler)
        previousHandler(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

bool isPlatformCategory(const char* category) {
    return category && QByteArray(category).startsWith("qt.qpa");
}

bool aboutTheDisplay(const QString& text) {
    return text.contains(QLatin1String("display"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("platform plugin"), Qt::CaseInsensitive);
}

// The most telling cause: the plugin's own complaint about the display, else the fatal message.
QString reasonFor(const QString& fatal) {
    for (const HeldMessage& message : held)
        if (message.text.contains(QLatin1String("display"), Qt::CaseInsensitive))
            return message.text.simplified().remove(QLatin1Char('"'));
    const QString firstLine = fatal.section(QLatin1Char('\n'), 0, 0).simplified();
    return firstLine.isEmpty() ? QStringLiteral("no Qt platform plugin could be initialized") : firstLine;
}

// Toolkit warnings about faults the framework reports itself, in one line of its own: no sound
// device, no browser to open a link with.
bool saidByTheFramework(QtMsgType type, const QString& text) {
    return type == QtWarningMsg &&
           (text.startsWith(QLatin1String("PulseAudioService: pa_context_connect()")) ||
            text.startsWith(QLatin1String("Unable to detect a web browser")));
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (saidByTheFramework(type, text))
        return;
    if (type == QtFatalMsg && (connecting || aboutTheDisplay(text))) {
        std::fprintf(stderr, "kelvory: cannot open display: %s\n", qPrintable(reasonFor(text)));
        std::fflush(stderr);
        _exit(1);
    }
    if (connecting && isPlatformCategory(context.category)) {
        held.push_back({type, context.file ? context.file : "", context.line,
                        context.function ? context.function : "", context.category, text});
        return;
    }
    passOn(type, context, text);
}

} // namespace

void DisplayGuard::requireDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool needsServer =
        platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    const bool serverNamed =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (needsServer && !serverNamed)
        throw NoDisplayException("cannot open display");
}

void DisplayGuard::beginConnecting() {
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(handleMessage);
    connecting = true;
}

void DisplayGuard::connected() {
    connecting = false;
    std::vector<HeldMessage> messages;
    messages.swap(held);
    for (const HeldMessage& message : messages) {
        const QMessageLogContext context(message.file.c_str(), message.line, message.function.c_str(),
                                         message.category.c_str());
        passOn(message.type, context, message.text);
    }
}

} // namespace fw::qt
