#pragma once
// A fresh headless platform and an application object named like the
// program, with a command line of the test's choosing.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/ParticleApp.h"
#include "app/SettingsDlg.h"
#include "tests/support/headless/HeadlessControl.h"
#include "res/DialogTemplates.h"

namespace tidewell::test {

// Where the program's six values live once the key is set.
inline const std::string kConfigKey = "Software\\Orvalle\\Tidewell\\Config";

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override {
        fw::headless::Reset();
        RegisterDialogTemplates();
        m_app.m_strAppName = "Tidewell";
        SetCommandLine({});
    }

    // Arguments after the program's own path; m_argv ends with null.
    void SetCommandLine(const std::vector<std::string>& arguments) {
        m_args.clear();
        m_args.push_back("C:\\Savers\\Tidewell.scr");
        m_args.insert(m_args.end(), arguments.begin(), arguments.end());
        m_argv.clear();
        for (std::string& a : m_args) {
            m_argv.push_back(a.data());
        }
        m_argv.push_back(nullptr);
        m_app.m_argc = static_cast<int>(m_args.size());
        m_app.m_argv = m_argv.data();
    }

    static void Store(const char* entry, int value) {
        fw::headless::TheWorld().profile.Set(kConfigKey, entry,
                                             fw::headless::DwordValue(static_cast<std::uint32_t>(value)));
    }

    // The settings dialog open now, from inside a dialog script; null when
    // the open dialog is another one.
    static CSettingsDlg* SettingsIn(fw::HWND hDialog) {
        return dynamic_cast<CSettingsDlg*>(fw::CWnd::FromHandlePermanent(hDialog));
    }

    // Queues a script step that runs the action on the open settings dialog.
    static void OnDialog(std::function<void(CSettingsDlg&)> action) {
        fw::headless::ScriptCall([action](fw::HWND hDialog) {
            CSettingsDlg* dlg = SettingsIn(hDialog);
            ASSERT_NE(dlg, nullptr);
            action(*dlg);
        });
    }

    // The writes of the run so far as "Entry=value", in order; every one
    // must have gone to the program's key.
    static std::vector<std::string> Writes() {
        std::vector<std::string> writes;
        for (const fw::headless::ProfileWrite& w : fw::headless::ProfileWriteLog()) {
            EXPECT_EQ(w.key, kConfigKey);
            writes.push_back(w.entry + "=" + std::to_string(w.value));
        }
        return writes;
    }

    // Runs the settings start with the dialog script queued before.
    void RunSettingsStart() {
        SetCommandLine({"/c"});
        EXPECT_EQ(m_app.InitInstance(), fw::FALSE);
    }

    CParticleApp m_app;

private:
    std::vector<std::string> m_args;
    std::vector<char*> m_argv;
};

}  // namespace tidewell::test
