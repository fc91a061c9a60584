#include "framework/Pictures.h"

#include <QFile>
#include <QSvgRenderer>

namespace fw {

Picture GetPicture(int number) {
  const QString path = QStringLiteral(":/pictures/%1.svg").arg(number);
  if (!QFile::exists(path)) return nullptr;
  auto picture = std::make_shared<QSvgRenderer>(path);
  if (!picture->isValid()) return nullptr;
  return picture;
}

Picture PictureCache::Get() {
  if (!picture_) picture_ = GetPicture(number_);
  return picture_;
}

void PictureCache::Release() { picture_.reset(); }

}  // namespace fw
