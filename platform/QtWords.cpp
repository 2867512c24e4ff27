#include "platform/QtWords.h"

#include <QCoreApplication>
#include <QLocale>

std::string CQtWords::Translate(const char* context, const char* text) const
{
    return QCoreApplication::translate(context, text).toStdString();
}

std::string CQtWords::Number(double value, int decimals) const
{
    return QLocale().toString(value, 'f', decimals).toStdString();
}

void UseQtWords()
{
    static const CQtWords words;
    UseWords(&words);
}
