#pragma once

// File > Generate: asks for the options, writes the skeleton script to the
// typed name with ".rms" appended and opens it in a new script window.
// Cancel in the dialog does nothing at all.
void RunGenerateCommand();
