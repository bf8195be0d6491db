#include "core/forms/HelpTopics.h"

#include "core/base/AppPaths.h"

QString THelpTopics::TopicOf(const QString& formName) {
  return formName.size() <= 3 ? QString() : formName.left(formName.size() - 3);
}

QString THelpTopics::PageOf(const QString& topic) {
  const auto page = [](const QString& name) {
    return TAppPaths::FindShared(QStringLiteral("help/%1.html").arg(name));
  };
  const QString own = topic.isEmpty() ? QString() : page(topic);
  return own.isEmpty() ? page(QLatin1String(kMainTopic)) : own;
}
