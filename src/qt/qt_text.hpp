#pragma once

#include <QString>
#include <string>

namespace tw {

// The program keeps UTF-8 std::strings; Qt wants QStrings.
inline QString to_qt(const std::string& text) { return QString::fromStdString(text); }
inline std::string from_qt(const QString& text) { return text.toStdString(); }

}  // namespace tw
