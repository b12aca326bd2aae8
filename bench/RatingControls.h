#pragma once

#include <QString>
#include <QWidget>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace bench {

// Which of the verdicts a label shows; throws for any other text.
std::size_t verdictIndex(const QString& text);

// The rating window's control of that name, as the program made it.
template <class T> T& childNamed(QWidget& window, const QString& name) {
    if (T* child = window.findChild<T*>(name))
        return *child;
    throw std::runtime_error("no widget " + name.toStdString());
}

} // namespace bench
