#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace keylume {

// Fixed numeric ids of the named widgets. Ids follow the order in which the
// names appear in the three layouts (main window, macro editor, message box),
// so an id's range tells which window the widget belongs to.
namespace widget_id {
inline constexpr int32_t _name_start = 65535;
inline constexpr int32_t title = 65536;
inline constexpr int32_t btn_more = 65537;
inline constexpr int32_t btn_min = 65538;
inline constexpr int32_t btn_close = 65539;
inline constexpr int32_t img_keyboard = 65540;
inline constexpr int32_t cbx_color_effect = 65541;
inline constexpr int32_t tab_color_effect = 65542;
inline constexpr int32_t bar_general_speed_0 = 65543;
inline constexpr int32_t bar_const_brightness_0 = 65544;
inline constexpr int32_t radio_direction_left_0 = 65545;
inline constexpr int32_t radio_direction_right_0 = 65546;
inline constexpr int32_t bar_general_speed_1 = 65547;
inline constexpr int32_t bar_const_brightness_1 = 65548;
inline constexpr int32_t bar_const_brightness_2 = 65549;
inline constexpr int32_t bar_general_speed_3 = 65550;
inline constexpr int32_t bar_const_brightness_3 = 65551;
inline constexpr int32_t radio_loader_left_3 = 65552;
inline constexpr int32_t radio_loader_center_3 = 65553;
inline constexpr int32_t radio_loader_right_3 = 65554;
inline constexpr int32_t btn_restore_factory = 65555;
inline constexpr int32_t cbx_in_lv = 65556;
inline constexpr int32_t version = 65557;
inline constexpr int32_t cbx_side_color_effect = 65558;
inline constexpr int32_t text_side_brightness = 65559;
inline constexpr int32_t bar_side_brightness = 65560;
inline constexpr int32_t btnMin = 65561;
inline constexpr int32_t btnRestore = 65562;
inline constexpr int32_t btnCancel = 65563;
inline constexpr int32_t text_recording_keys = 65564;
inline constexpr int32_t tab_macro_mode_selection = 65565;
inline constexpr int32_t item_up = 65566;
inline constexpr int32_t item_down = 65567;
inline constexpr int32_t item_delete = 65568;
inline constexpr int32_t item_clear = 65569;
inline constexpr int32_t groupDel = 65570;
inline constexpr int32_t groupAdd = 65571;
inline constexpr int32_t groupImport = 65572;
inline constexpr int32_t groupExport = 65573;
inline constexpr int32_t macro_group = 65574;
inline constexpr int32_t group_name = 65575;
inline constexpr int32_t key_info = 65576;
inline constexpr int32_t col1 = 65577;
inline constexpr int32_t key_code = 65578;
inline constexpr int32_t col2 = 65579;
inline constexpr int32_t key_name = 65580;
inline constexpr int32_t col3 = 65581;
inline constexpr int32_t key_state = 65582;
inline constexpr int32_t col4 = 65583;
inline constexpr int32_t key_delay = 65584;
inline constexpr int32_t edit_macro_repeat_times = 65585;
inline constexpr int32_t edit_macro_delay_time = 65586;
inline constexpr int32_t chk_macro_realy_delay = 65587;
inline constexpr int32_t chk_macro_fixed_delay = 65588;
inline constexpr int32_t chk_macro_no_delay = 65589;
inline constexpr int32_t chk_macro_record = 65590;
inline constexpr int32_t chk_single_record = 65591;
inline constexpr int32_t edit_single_key = 65592;
inline constexpr int32_t cmb_media_keys = 65593;
inline constexpr int32_t cmb_function_keys = 65594;
inline constexpr int32_t btnOK = 65595;
inline constexpr int32_t btnDelete = 65596;
inline constexpr int32_t msgtitle = 65597;
inline constexpr int32_t msgicon = 65598;
inline constexpr int32_t msgtext = 65599;
inline constexpr int32_t btnSwitch = 65600;
inline constexpr int32_t button1st = 65601;
inline constexpr int32_t button2nd = 65602;
inline constexpr int32_t button3rd = 65603;
}  // namespace widget_id
// The window whose layout holds a named widget.
enum class LayoutWindow { None, MainWindow, MacroEditor, MacroListRow, MessageBox };

struct NamedId {
    std::string_view name;
    int32_t id;
    LayoutWindow window;
    // The layout class the code expects ("combobox", "sliderbar", ...; see
    // WidgetLookup.h), empty when the code does not care.
    std::string_view layoutClass;
};

inline constexpr int kNamedIdCount = 69;

// Sorted by the names' code points (byte order), so lookups are binary searches.
inline constexpr std::array<NamedId, kNamedIdCount> kNamedIds = {{
    {"_name_start", widget_id::_name_start, LayoutWindow::None, ""},
    {"bar_const_brightness_0", widget_id::bar_const_brightness_0, LayoutWindow::MainWindow,
     "sliderbar"},
    {"bar_const_brightness_1", widget_id::bar_const_brightness_1, LayoutWindow::MainWindow,
     "sliderbar"},
    {"bar_const_brightness_2", widget_id::bar_const_brightness_2, LayoutWindow::MainWindow,
     "sliderbar"},
    {"bar_const_brightness_3", widget_id::bar_const_brightness_3, LayoutWindow::MainWindow,
     "sliderbar"},
    {"bar_general_speed_0", widget_id::bar_general_speed_0, LayoutWindow::MainWindow, "sliderbar"},
    {"bar_general_speed_1", widget_id::bar_general_speed_1, LayoutWindow::MainWindow, "sliderbar"},
    {"bar_general_speed_3", widget_id::bar_general_speed_3, LayoutWindow::MainWindow, "sliderbar"},
    {"bar_side_brightness", widget_id::bar_side_brightness, LayoutWindow::MainWindow, "sliderbar"},
    {"btnCancel", widget_id::btnCancel, LayoutWindow::MacroEditor, ""},
    {"btnDelete", widget_id::btnDelete, LayoutWindow::MacroEditor, ""},
    {"btnMin", widget_id::btnMin, LayoutWindow::MacroEditor, ""},
    {"btnOK", widget_id::btnOK, LayoutWindow::MacroEditor, ""},
    {"btnRestore", widget_id::btnRestore, LayoutWindow::MacroEditor, ""},
    {"btnSwitch", widget_id::btnSwitch, LayoutWindow::MessageBox, ""},
    {"btn_close", widget_id::btn_close, LayoutWindow::MainWindow, ""},
    {"btn_min", widget_id::btn_min, LayoutWindow::MainWindow, ""},
    {"btn_more", widget_id::btn_more, LayoutWindow::MainWindow, "imgbtn"},
    {"btn_restore_factory", widget_id::btn_restore_factory, LayoutWindow::MainWindow, ""},
    {"button1st", widget_id::button1st, LayoutWindow::MessageBox, ""},
    {"button2nd", widget_id::button2nd, LayoutWindow::MessageBox, ""},
    {"button3rd", widget_id::button3rd, LayoutWindow::MessageBox, ""},
    {"cbx_color_effect", widget_id::cbx_color_effect, LayoutWindow::MainWindow, "combobox"},
    {"cbx_in_lv", widget_id::cbx_in_lv, LayoutWindow::MainWindow, "combobox"},
    {"cbx_side_color_effect", widget_id::cbx_side_color_effect, LayoutWindow::MainWindow,
     "combobox"},
    {"chk_macro_fixed_delay", widget_id::chk_macro_fixed_delay, LayoutWindow::MacroEditor, ""},
    {"chk_macro_no_delay", widget_id::chk_macro_no_delay, LayoutWindow::MacroEditor, ""},
    {"chk_macro_realy_delay", widget_id::chk_macro_realy_delay, LayoutWindow::MacroEditor, ""},
    {"chk_macro_record", widget_id::chk_macro_record, LayoutWindow::MacroEditor, "checkex"},
    {"chk_single_record", widget_id::chk_single_record, LayoutWindow::MacroEditor, "checkex"},
    {"cmb_function_keys", widget_id::cmb_function_keys, LayoutWindow::MacroEditor, "combobox"},
    {"cmb_media_keys", widget_id::cmb_media_keys, LayoutWindow::MacroEditor, "combobox"},
    {"col1", widget_id::col1, LayoutWindow::MacroListRow, ""},
    {"col2", widget_id::col2, LayoutWindow::MacroListRow, ""},
    {"col3", widget_id::col3, LayoutWindow::MacroListRow, ""},
    {"col4", widget_id::col4, LayoutWindow::MacroListRow, ""},
    {"edit_macro_delay_time", widget_id::edit_macro_delay_time, LayoutWindow::MacroEditor, "edit"},
    {"edit_macro_repeat_times", widget_id::edit_macro_repeat_times, LayoutWindow::MacroEditor,
     "edit"},
    {"edit_single_key", widget_id::edit_single_key, LayoutWindow::MacroEditor, "text"},
    {"groupAdd", widget_id::groupAdd, LayoutWindow::MacroEditor, ""},
    {"groupDel", widget_id::groupDel, LayoutWindow::MacroEditor, ""},
    {"groupExport", widget_id::groupExport, LayoutWindow::MacroEditor, ""},
    {"groupImport", widget_id::groupImport, LayoutWindow::MacroEditor, ""},
    {"group_name", widget_id::group_name, LayoutWindow::MacroListRow, "edit"},
    {"img_keyboard", widget_id::img_keyboard, LayoutWindow::MainWindow, "cbimg"},
    {"item_clear", widget_id::item_clear, LayoutWindow::MacroEditor, ""},
    {"item_delete", widget_id::item_delete, LayoutWindow::MacroEditor, ""},
    {"item_down", widget_id::item_down, LayoutWindow::MacroEditor, ""},
    {"item_up", widget_id::item_up, LayoutWindow::MacroEditor, ""},
    {"key_code", widget_id::key_code, LayoutWindow::MacroListRow, ""},
    {"key_delay", widget_id::key_delay, LayoutWindow::MacroListRow, "editex"},
    {"key_info", widget_id::key_info, LayoutWindow::MacroEditor, "mclistview"},
    {"key_name", widget_id::key_name, LayoutWindow::MacroListRow, ""},
    {"key_state", widget_id::key_state, LayoutWindow::MacroListRow, ""},
    {"macro_group", widget_id::macro_group, LayoutWindow::MacroEditor, "listview"},
    {"msgicon", widget_id::msgicon, LayoutWindow::MessageBox, ""},
    {"msgtext", widget_id::msgtext, LayoutWindow::MessageBox, ""},
    {"msgtitle", widget_id::msgtitle, LayoutWindow::MessageBox, ""},
    {"radio_direction_left_0", widget_id::radio_direction_left_0, LayoutWindow::MainWindow, ""},
    {"radio_direction_right_0", widget_id::radio_direction_right_0, LayoutWindow::MainWindow, ""},
    {"radio_loader_center_3", widget_id::radio_loader_center_3, LayoutWindow::MainWindow, ""},
    {"radio_loader_left_3", widget_id::radio_loader_left_3, LayoutWindow::MainWindow, ""},
    {"radio_loader_right_3", widget_id::radio_loader_right_3, LayoutWindow::MainWindow, ""},
    {"tab_color_effect", widget_id::tab_color_effect, LayoutWindow::MainWindow, "tabctrl"},
    {"tab_macro_mode_selection", widget_id::tab_macro_mode_selection, LayoutWindow::MacroEditor,
     "tabctrl2"},
    {"text_recording_keys", widget_id::text_recording_keys, LayoutWindow::MacroEditor, "text"},
    {"text_side_brightness", widget_id::text_side_brightness, LayoutWindow::MainWindow, "window"},
    {"title", widget_id::title, LayoutWindow::MainWindow, ""},
    {"version", widget_id::version, LayoutWindow::MainWindow, "text"},
}};

// The id of a named widget; 0 when the name is not in the table.
int32_t NamedIdOf(std::string_view name);
// The name with this id; empty when no name has it.
std::string_view NameOfNamedId(int32_t id);
// The table entry of `name`, or null.
const NamedId* FindNamedId(std::string_view name);

}  // namespace keylume
