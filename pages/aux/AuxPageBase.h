// What every "auxiliary flash functions" page shares: value fields that the
// user picks with the mouse (or the unit picks by its report), one editor at a
// time for the picked field (the spin button, or the inverted scroll bar for
// times), a help panel per field, the values sent and echoed back, store and
// reset. A family's page is a table of its fields, help rows and texts, plus
// hooks for what only it does.
#pragma once

#include <cstdint>
#include <vector>

#include <wx/string.h>

#include "pages/SettingPage.h"
#include "pages/aux/EchoQueue.h"

class wxCommandEvent;
class wxMouseEvent;
class wxScrollEvent;
class wxSpinEvent;
class wxWindow;

class CAuxPageBase : public CSettingPage {
public:
    // The value words the pages keep for their device page, which reads
    // them back for its status panel.
    enum class Word {
        Sequence,
        Delay,
        Preset,
        Alternate,
        T01Mode,
        T01Value,
        T01ValueAlt,
        Interval,
        IntervalAlt,
        MinInterval,
        T01MaxPreset,
        // A value only the family's page knows; the base neither shows nor
        // steps the fields that show it.
        Own,
        Count
    };

    // How the picked field is edited.
    enum class Editor {
        SpinOnRelease,  // steps show, the release sends (and queues) the value
        SpinAtOnce,     // each step is a command; the unit reports the result
        Scroll,         // the scroll bar, inverted: up lengthens
    };

    struct FieldRow {
        const char* name;     // the value text, a direct child of the page
        const char* caption;  // its label
        int16_t index;        // the number the unit and command 11 know it by
        Editor editor;
        int16_t command;  // sent on release, per step or per scroll
        Word word;        // the value the field shows
    };

    // Which state of the page a help row is for: some families lock fields
    // while a mode runs (a preset sequence, strobo).
    enum class When { Always, Unlocked, Locked };

    // The help of one field: the fields it enables and disables (bits by
    // position in the field table; fields it does not name keep their state)
    // and the texts it shows, or, with both ids 0, the family's drawing.
    struct HelpRow {
        int field;
        When when;
        unsigned enable;
        unsigned disable;
        int title;
        int text;
    };

    struct TextRow {
        const char* control;
        int text;
    };

    struct Table {
        std::vector<FieldRow> fields;  // in the order the mouse tests them
        std::vector<HelpRow> help;
        std::vector<TextRow> labels;    // captions, set once
        std::vector<TextRow> toolTips;  // set once
        int scrollRange;                // also the top of delay and interval
        int secondsDivisor;             // delay and interval units per second
        int secondsDecimals;
        int sequenceMax;
        bool skipSequenceOne;             // units before program version 4 lack 1
        unsigned short spinRepeatPeriod;  // 0 keeps the spin button's own
    };

    static constexpr unsigned Bit(int field) { return 1u << field; }

    CAuxPageBase(CFlashDevice* unit, CSettingPageHost* host, const Table& table);

    bool InitControls() override;

    // Setters called by the device page's decoders with the unit's values;
    // fromUser false passes a value through the field's echo queue. None of
    // them sends.
    void SetSequence(int value, bool fromUser);
    void SetDelay(int value, bool moveThumb);
    virtual void SetInterval(int value, bool moveThumb);
    // Stores the mode, labels the T0.1 field by it and shows the T0.1 value
    // stored before.
    void SetT01(int mode);
    void SetT01Value(uint16_t value);
    void SetT01ValueAlt(uint16_t value);
    virtual void SetIntervalAlt(uint16_t value);
    void SetMinInterval(uint16_t value);
    // Ticks or clears the store box without sending.
    void SetStore(bool ticked);
    bool IsStoreChecked() const;

    virtual int16_t GetSequence() const { return Value(Word::Sequence); }
    virtual int16_t GetDelay() const { return Value(Word::Delay); }
    virtual int16_t GetPreset() const { return Value(Word::Preset); }
    virtual int16_t GetAlternate() const { return Value(Word::Alternate); }
    virtual int16_t GetT01Mode() const { return Value(Word::T01Mode); }
    virtual int16_t GetT01Value() const { return Value(Word::T01Value); }
    virtual int16_t GetT01ValueAlt() const { return Value(Word::T01ValueAlt); }
    virtual int16_t GetInterval() const { return Value(Word::Interval); }
    virtual int16_t GetIntervalAlt() const { return Value(Word::IntervalAlt); }
    virtual int16_t GetT01MaxPreset() const { return Value(Word::T01MaxPreset); }

    // The picked field: its position in the field table, and its index.
    int GetSelectedField() const { return m_selected; }
    int16_t GetSelectedFieldIndex() const;
    // Makes field current: editor, colours, help, command 11, thumb.
    // Nothing when it already is.
    void SelectField(int field);
    // The field the unit reports; redraws its help also without a change.
    void SelectFieldByIndex(int16_t index);

    // The values of field sent and not yet echoed, oldest first.
    const CEchoQueue& GetEchoQueue(int field) const { return m_queues[field]; }

protected:
    int16_t Value(Word word) const { return m_words[int(word)]; }
    void Store(Word word, int value) { m_words[int(word)] = int16_t(value); }

    // The first field that shows word, or -1.
    int FieldOf(Word word) const;
    wxWindow* FieldWindow(int field) const;
    // Whether value echoes what the field of word sent (see CEchoQueue).
    bool Echoed(Word word, int value);
    // The field's text: the count, or "off" for 0.
    void ShowCount(Word word);
    // Seconds in the page's unit and decimals with '.', or "off" for 0.
    void ShowSeconds(Word word);
    wxString FormatSeconds(int value) const;

    // Fills the help panel for field and enables and disables by its row.
    void UpdateHelp(int field);
    void ShowTextHelp(int title, int text);
    // Puts the thumb where the picked time field stands.
    void UpdateScrollPosition();

    // One step of the spin button (+1 up, -1 down) on field. The base steps
    // the sequence and the T0.1 field; the families add their own fields.
    virtual void StepField(int field, int delta);
    // The sequence steps by delta; 1 is passed over where the unit lacks it.
    void StepSequence(int delta);
    // A step the unit makes itself: 1 up, 0 down, unless one is under way.
    void SendStep(int16_t command, int delta, bool pending);

    // The field that the unit's selection index names.
    virtual int FieldForIndex(int16_t index) const;
    // Whether the family's locking mode runs (see When).
    virtual bool IsHelpLocked() const { return false; }
    // The help drawing of a row without texts, and hiding it again.
    virtual void ShowHelpDrawing() {}
    virtual void HideHelpDrawing() {}
    virtual wxString HelpText(int text) const { return Text(text); }
    // What the family sets up after the shared controls.
    virtual void InitFamilyControls() {}

    void OnFieldClick(wxMouseEvent& event);
    void OnFieldMouseUp(wxMouseEvent& event);
    void OnScroll(wxScrollEvent& event);
    void OnSpinStep(wxSpinEvent& event);
    void OnSpinRelease(wxScrollEvent& event);
    void OnStore(wxCommandEvent& event);
    void OnReset(wxCommandEvent& event);

private:
    // Selects the first shown field at point (page coordinates) if it is
    // enabled; true when a shown field was there.
    bool HitField(const wxPoint& point);
    void Highlight(int field, bool selected);
    void SetFieldText(Word word, const wxString& text);
    bool IsScrollField(int field) const;

    const Table& m_table;
    int m_selected = 0;
    int16_t m_words[int(Word::Count)] = {};
    std::vector<CEchoQueue> m_queues;

    wxDECLARE_EVENT_TABLE();
};
