#ifndef STORETEXT_H
#define STORETEXT_H

#include <QString>

// What the messages call the place the program keeps its data in: the file zetu.db, or
// the team's server when the program works on one.
namespace StoreText {

// The first sentence of a message about a write or read that has to wait: zetu.db held
// by another program, or the team's server busy or out of reach.
QString busy();

} // namespace StoreText

#endif // STORETEXT_H
