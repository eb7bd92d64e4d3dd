#pragma once

#include <QString>

// The dog editor's control behind each field of a dog record (its
// objectName): "txtNome", "lblFile01". The dog search delivers a record into
// the editor and the dog sheets read it through these names.
namespace DogControls
{
QString name(int field);
} // namespace DogControls
