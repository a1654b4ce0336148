#pragma once

// How one of the program's questions was closed: by its first (left) or its
// second (right) button, or by neither (Escape, the close box, or a program
// that is ending), which callers take as the answer that loses nothing. Also
// the dialog's result code.
enum class Answer { Cancelled = 0, First = 1, Second = 2 };
