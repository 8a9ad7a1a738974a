#pragma once
// EDatabaseError: the exception every part of the data layer raises for a failure the user
// should read (a refused post or delete, a failed connect, a missing field, unreadable
// input). Message() is German and complete; the application's handler shows it as it is.
// A store that raises it during Post or Delete stays in its insert/edit state with every
// typed value kept, so the row can be corrected or cancelled.
#include "AppError.h"

class EDatabaseError : public EAppError
{
public:
    explicit EDatabaseError(QString message, QString databaseText = {})
        : EAppError(std::move(message)), m_databaseText(std::move(databaseText))
    {
    }

    // The database's own error text, when the failure came from the database (else empty).
    const QString &DatabaseText() const { return m_databaseText; }

private:
    QString m_databaseText;
};
