#include "publish/publisherrors.h"

PublishError::PublishError(const QString &message) : m_message(message), m_utf8(message.toUtf8()) {}
