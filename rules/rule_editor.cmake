# The rule editor and its sub dialog.
