#include "platform/QtWords.h"

#include <QCoreApplication>

std::string CQtWords::Translate(const char* context, const char* text) const
{
    return QCoreApplication::translate(context, text).toStdString();
}

void UseQtWords()
{
    static const CQtWords words;
    UseWords(&words);
}
