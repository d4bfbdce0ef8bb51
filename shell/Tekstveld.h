// Text fields whose content ends up in the program's files.
#pragma once

class QLineEdit;

// Limits the field to maxLengte characters (typed or pasted) and to what a
// text field of the files can hold, replacing or leaving out the rest as it
// is typed or pasted. maxLengte 0: no limit of length.
void MaakBestandsveld(QLineEdit* veld, int maxLengte);
