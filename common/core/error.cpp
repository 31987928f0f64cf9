#include "common/core/error.h"

#include <utility>

namespace Quillon {

Error::Error(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

} // namespace Quillon
