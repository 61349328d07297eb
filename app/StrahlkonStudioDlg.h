// The main window: a toolbar with the port, studio, address range, view and
// language, and a notebook with one device page per unit that the library
// finds. It owns the port and the GUI unit objects, and drives the library
// from its 100 ms timer.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include <wx/frame.h>
#include <wx/timer.h>
#include <wx/weakref.h>

#include "app/StudioSettings.h"
#include "app/UnitFamilies.h"
#include "comm/VeskComm.h"

class wxActivateEvent;
class wxBookCtrlEvent;
class wxComboBox;
class wxConfigBase;
class wxFocusEvent;
class wxSpinCtrl;
class wxSpinEvent;
class wxTextCtrl;
class wxNotebook;
class CFlashDevice;
class CMessageShower;

class CStrahlkonStudioDlg : public wxFrame {
public:
    // The frame's layout in the resource file.
    static constexpr const char* kResourceName = "DLG_STRAHLKONSTUDIO_DIALOG";

    // Loads the frame and builds its toolbar; units of the given families
    // get pages, any other unit none. The settings are read from and written
    // to config, and messages go to messages; both outlive the frame.
    CStrahlkonStudioDlg(wxWindow* parent, UnitFamilies families, wxConfigBase& config, CMessageShower& messages);
    CStrahlkonStudioDlg(const CStrahlkonStudioDlg&) = delete;
    CStrahlkonStudioDlg& operator=(const CStrahlkonStudioDlg&) = delete;
    // Closes the port, which loses every unit, then deletes what is left.
    ~CStrahlkonStudioDlg() override;

    // Whether the resource file gave the frame with its notebook.
    bool IsLoaded() const;

    bool Show(bool show = true) override;

    // Starts the library and the timer, applies the stored settings, and
    // restores the position and the view.
    virtual bool InitFrame();

    void ApplySettings(uint8_t port, uint8_t studio, uint8_t first, uint8_t last, uint8_t language);
    void ReadSettingsAndApply();
    void SetLanguage(uint16_t language);

    static uint16_t GetLanguageTextOffset(int16_t language);
    uint16_t GetTextOffset() const;
    bool IsFullView() const { return m_settings.fullView; }

    void AddDevicePage(CFlashDevice* unit);
    void RemoveDevicePage(CFlashDevice* unit);
    CFlashDevice* GetSelectedDevice() const;

private:
    void CreateToolBarControls();
    void SetToolTips(uint16_t offset);
    int DialogWidth(int dialogUnits) const;
    // The address labels as wide as their words with the same gap on
    // either side.
    void FitAddressLabels();
    // Each list at its nominal width, or wider where its longest entry
    // needs it.
    void FitListWidths();
    // The frame's room inside its decorations, toolbar included: the view's
    // nominal size, or more where the toolbar or the widest device page
    // needs it, but never more than the display's work area holds with the
    // decorations; the pages scroll over what the room cannot hold. Exact
    // sets that room; otherwise the frame only grows to it, or shrinks to
    // what the work area holds. The window stays where it is, moved only as
    // far as it takes to lie whole on the work area. A maximised window
    // keeps the size the window manager gave it.
    void FitToContent(bool exact);
    // Fits once the events at hand are handled.
    void RequestFit();
    wxSize NeededRoom();
    wxSize Room() const;
    wxRect WorkArea() const;
    wxSize LargestRoom() const;
    void KeepOnWorkArea();
    int ToolBarHeight() const;
    void OnPageNeedsRoom(wxCommandEvent& event);
    void OnSize(wxSizeEvent& event);
    void ShowNotFound(bool show);
    void DeleteAllUnits();
    void RelayOut();
    // The saved position, applied only where a screen shows the window.
    void RestorePosition(long x, long y);
    CFlashDevice* CreateUnit(VESKCOMM_DEVICE device);

    void OnSettingChanged(wxCommandEvent& event);
    void OnStudioSpin(wxSpinEvent& event);
    void OnAddressFocusLost(wxFocusEvent& event);
    void OnZoom(wxCommandEvent& event);
    // The room inside the frame's decorations (toolbar included) of the
    // full or compact view.
    static wxSize ViewSize(bool full);
    void OnAbout(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnActivate(wxActivateEvent& event);
    void OnDemo(wxCommandEvent& event);
    void OnDevicePageChanged(wxBookCtrlEvent& event);
    void OnTimer(wxTimerEvent& event);

    // The library's callbacks; the context is the main window.
    static void OnUnitLost(void* context, VESKCOMM_DEVICE device, void* unit);
    static void* OnUnitFound(void* context, VESKCOMM_DEVICE device);
    static VESKCOMM_DEVICE GetFocusedUnit(void* context);
    static void DeliverRecord(void* context, VESKCOMM_DEVICE device, void* unit, const unsigned char* record,
                              int count);

    UnitFamilies m_families;
    wxConfigBase& m_config;
    CMessageShower& m_messages;
    VESKCOMM_PORT m_port = nullptr;
    // In notebook page order: the page of entry i is page i.
    std::vector<std::unique_ptr<CFlashDevice>> m_units;
    wxNotebook* m_notebook = nullptr;
    // Toolbar controls, owned by the toolbar.
    wxComboBox* m_portList = nullptr;
    wxSpinCtrl* m_studioSelect = nullptr;
    wxComboBox* m_languageList = nullptr;
    wxTextCtrl* m_addressFrom = nullptr;
    wxTextCtrl* m_addressTo = nullptr;
    wxTimer m_timer;
    uint8_t m_busy = 0;
    uint16_t m_language = 0;
    // What the frame has applied and shows; its position is taken when the
    // frame closes.
    CStudioSettings m_settings;
    // The window that had the focus when the frame was deactivated; it may
    // die meanwhile (a page of a lost unit).
    wxWeakRef<wxWindow> m_focusWindow;
    // The library keeps a pointer to it while a port exists.
    CommCallbacks m_callbacks{};
    bool m_loaded = false;
    // A page asked for room; the frame fits once the asking is over.
    bool m_fitPending = false;

    wxDECLARE_EVENT_TABLE();
};
