// How pages reach the controls of a loaded layout: by window id below a
// window, tolerating a control that the layout lacks.
#pragma once

#include <wx/string.h>

class wxWindow;

// Shows or hides the window with id below win (win included).
void ShowCtrl(wxWindow* win, int id, bool show);

// A text control gets text as its value, without a text event; any other
// control gets it as its label, set only when it differs.
void SetCtrlText(wxWindow* win, int id, const wxString& text);

// The value of a text control, else the control's label; out keeps what it
// held when there is no such control.
void GetCtrlText(wxWindow* win, int id, wxString& out);

// Puts control in the place that the layout keeps for it, the window named
// name + "_container" below parent (the control's parent when null). The
// control takes the place's size as its smallest size, fills it, and is
// renamed to name with the XRC id of name. An uncreated control is created
// as a plain child window first. Without such a place it returns false and
// leaves the control alone.
bool AttachControl(const wxString& name, wxWindow* control, wxWindow* parent = nullptr);

// Forgets the best sizes kept for root and every window below it, so that
// the next measure sees what they show now (a shown or hidden child does not
// reset its parent's). Static boxes are measured by their labels
// (MeasureBoxesByLabel).
void InvalidateBestSizes(wxWindow* root);

// Every static box below root keeps the size its label needs as its best
// size. This toolkit measures a box by its children as they are laid out
// now, so a box that fills its place would ask for a little more each time
// it is measured.
void MeasureBoxesByLabel(wxWindow* root);

