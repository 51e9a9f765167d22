#include "registry/storetext.h"

#include "registry/sqldialect.h"

#include <QCoreApplication>

QString StoreText::busy()
{
    return SqlDialect::onServer()
               ? QCoreApplication::translate(
                     "StoreText", "O servidor da equipe está ocupado ou fora de alcance.")
               : QCoreApplication::translate("StoreText",
                                             "O arquivo zetu.db está ocupado por outro programa.");
}
