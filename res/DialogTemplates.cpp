#include "res/DialogTemplates.h"

#include "fw/Messages.h"
#include "res/resource.h"

namespace tidewell {
namespace {

using fw::DWORD;
using fw::BS_AUTOCHECKBOX;
using fw::BS_DEFPUSHBUTTON;
using fw::BS_FLAT;
using fw::BS_GROUPBOX;
using fw::BS_PUSHBUTTON;
using fw::DS_MODALFRAME;
using fw::DS_SETFONT;
using fw::SBS_HORZ;
using fw::SS_BITMAP;
using fw::SS_ICON;
using fw::SS_LEFT;
using fw::SS_RIGHT;
using fw::WS_CAPTION;
using fw::WS_CHILD;
using fw::WS_GROUP;
using fw::WS_POPUP;
using fw::WS_SYSMENU;
using fw::WS_TABSTOP;
using fw::WS_VISIBLE;

constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
constexpr const char* kButton = "BUTTON";
constexpr const char* kScrollBar = "SCROLLBAR";
constexpr const char* kStatic = "STATIC";
constexpr const char* kFace = "MS Sans Serif";
constexpr int kPointSize = 8;

}  // namespace

fw::DialogTemplate SettingsDialogTemplate() {
    // Template order is the tab order: OK first, so it gets the focus.
    return fw::DialogTemplate{
        IDD_SETTINGS, 0, 0, 343, 401,
        DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, 0,
        "Orvalle Tidewell 1.2", kPointSize, kFace,
        {
            {fw::IDOK, kButton, "OK", 234, 383, 50, 14, kShown | WS_TABSTOP | BS_DEFPUSHBUTTON},
            {fw::IDCANCEL, kButton, "Cancel", 289, 383, 50, 14, kShown | WS_TABSTOP | BS_PUSHBUTTON},
            {IDC_BLANK, kButton, "Blank screen", 14, 177, 120, 11,
             kShown | WS_TABSTOP | BS_AUTOCHECKBOX | BS_FLAT},
            {IDC_COLOR, kButton, "Color...", 170, 175, 50, 14, kShown | WS_TABSTOP | BS_PUSHBUTTON},
            {IDC_SPEED, kScrollBar, "", 14, 225, 315, 11, kShown | WS_GROUP | WS_TABSTOP | SBS_HORZ},
            {IDC_NUMBER, kScrollBar, "", 14, 273, 315, 11, kShown | WS_GROUP | WS_TABSTOP | SBS_HORZ},
            {IDC_STATIC, kButton, "Number", 5, 249, 334, 43, kShown | BS_GROUPBOX},
            {IDC_STATIC, kStatic, "Few", 14, 261, 32, 8, kShown | WS_GROUP | SS_LEFT},
            {IDC_STATIC, kStatic, "Many", 296, 261, 33, 8, kShown | WS_GROUP | SS_RIGHT},
            {IDC_STATIC, kButton, "Speed", 5, 201, 334, 43, kShown | BS_GROUPBOX},
            {IDC_STATIC, kStatic, "Slow", 14, 213, 30, 8, kShown | WS_GROUP | SS_LEFT},
            {IDC_STATIC, kStatic, "Fast", 299, 213, 30, 8, kShown | WS_GROUP | SS_RIGHT},
            // Hidden: it only marks where the live preview is placed.
            {IDC_PREVIEW, kStatic, "", 5, 302, 333, 73, WS_CHILD},
            {IDC_STATIC, kStatic, "Orvalle on the web: www.orvalle.example", 5, 386, 204, 8,
             kShown | WS_GROUP | SS_LEFT},
            {IDC_STATIC, kButton, "Blanking", 5, 164, 334, 32, kShown | BS_GROUPBOX},
            // "#n" names resource n, as the platform writes an ordinal text.
            {IDC_STATIC, kStatic, "#133", 5, 5, 333, 154, kShown | SS_BITMAP},
        }};
}

fw::DialogTemplate AboutDialogTemplate() {
    return fw::DialogTemplate{
        IDD_ABOUTBOX, 34, 22, 217, 55,
        DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0,
        "About Tidewell", kPointSize, kFace,
        {
            {IDC_STATIC, kStatic, "#128", 11, 17, 20, 20, kShown | SS_ICON},
            {IDC_STATIC, kStatic, "Tidewell Version 1.0", 40, 10, 119, 8, kShown | WS_GROUP | SS_LEFT},
            {IDC_STATIC, kStatic, "Copyright (C) Orvalle", 40, 25, 119, 8, kShown | WS_GROUP | SS_LEFT},
            {fw::IDOK, kButton, "OK", 176, 6, 32, 14, kShown | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
        }};
}

void RegisterDialogTemplates() {
    fw::RegisterDialogTemplate(SettingsDialogTemplate());
    fw::RegisterDialogTemplate(AboutDialogTemplate());
}

}  // namespace tidewell
