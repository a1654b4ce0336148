#pragma once

namespace Methodes {
// "Sauver la liste": asks for a comment and a file, then writes the list.
void Demande_sauver();
} // namespace Methodes
