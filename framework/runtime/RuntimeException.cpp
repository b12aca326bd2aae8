#include "runtime/RuntimeException.h"

#include <utility>

namespace fw {

RuntimeException::RuntimeException(std::string message) : message_(std::move(message)) {}

std::shared_ptr<RuntimeException> RuntimeException::clone() const {
    return std::make_shared<RuntimeException>(*this);
}

} // namespace fw
