#include "declaration/errors.h"

LorqaError::LorqaError(const QString &message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}

ConversionError::ConversionError(const QString &text)
    : LorqaError(QStringLiteral("'%1' is not a valid integer value").arg(text))
{
}

WriteError::WriteError(const QString &path)
    : LorqaError(QStringLiteral("Unable to write to %1").arg(path))
{
}
