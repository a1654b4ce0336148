#pragma once

namespace Methodes {
// Clears the lap list after the user confirms, and numbers runs from 1 again.
void Effacer_la_liste();
} // namespace Methodes
