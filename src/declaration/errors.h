#pragma once

#include <QString>
#include <stdexcept>

// An error that ends the running command and is shown to the user with its
// message. Commands throw it; the one command wrapper of the windows (and
// lorqa-cli) catches it, so it never crosses the event loop.
class LorqaError : public std::runtime_error
{
public:
    explicit LorqaError(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// A text that should hold a whole number does not.
class ConversionError : public LorqaError
{
public:
    explicit ConversionError(const QString &text);
};

// A file could not be written; the old file, if any, is left as it was.
class WriteError : public LorqaError
{
public:
    explicit WriteError(const QString &path);
};
