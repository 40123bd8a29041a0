#ifndef PELLORA_PLATFORM_QT_QT_TEXT_H_
#define PELLORA_PLATFORM_QT_QT_TEXT_H_

#include <QString>
#include <string>

namespace pellora::qt {

// The add-in's texts are UTF-8.
inline QString ToQ(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQ(const QString& text) {
  return text.toUtf8().toStdString();
}

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_QT_TEXT_H_
