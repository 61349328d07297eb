// A layout of every kind of control the helpers and the page bases meet,
// for tests that need controls the program's own layouts may not hold.
#pragma once

#include <wx/string.h>

#include "GuiTestHarness.h"

namespace guitest {

// "DLG_TEST_CONTROLS": a label (of class CountingLabel when the test links
// one), an edit, a second edit, a button, a place for an own control
// (90 x 40), and an edit inside a static box.
inline bool LoadTestLayouts()
{
    static const char* const kXrc = R"(<?xml version="1.0" encoding="UTF-8"?>
<resource xmlns="http://www.wxwidgets.org/wxxrc" version="2.5.3.0">
  <object class="wxPanel" name="DLG_TEST_CONTROLS">
    <object class="wxBoxSizer">
      <orient>wxVERTICAL</orient>
      <object class="sizeritem">
        <object class="wxStaticText" name="IDC_T_LABEL" subclass="CountingLabel">
          <label>first</label>
        </object>
      </object>
      <object class="sizeritem">
        <object class="wxTextCtrl" name="IDC_T_EDIT">
          <value>typed</value>
        </object>
      </object>
      <object class="sizeritem">
        <object class="wxTextCtrl" name="IDC_T_EDIT2"/>
      </object>
      <object class="sizeritem">
        <object class="wxButton" name="IDC_T_BUTTON">
          <label>press</label>
        </object>
      </object>
      <object class="sizeritem">
        <object class="unknown" name="IDC_T_PLACE">
          <size>90,40</size>
        </object>
      </object>
      <object class="sizeritem">
        <object class="wxStaticBoxSizer">
          <orient>wxVERTICAL</orient>
          <label>box</label>
          <object class="sizeritem">
            <object class="wxTextCtrl" name="IDC_T_BOXED_EDIT"/>
          </object>
        </object>
      </object>
    </object>
  </object>
</resource>)";
    return LoadLayoutText("test-controls", kXrc);
}

}  // namespace guitest
