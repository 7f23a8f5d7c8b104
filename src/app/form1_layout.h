#pragma once
class TForm1;

// Builds the main window from its layout: frame, connection group, tabs and
// pages with their labels and settings controls, log box, progress bar,
// menu, file dialogs and event bindings. Controls come out as the layout
// has them: edits empty, lists without selection, check boxes unchecked.
void BuildForm1Layout(TForm1& form);
