#include "ui/configuration_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/minimum_frequency.h"
#include "controller/receiver_controller.h"
#include "support/controller_test_access.h"
#include "support/main_window_rig.h"
#include "support/scripted_dialog.h"
#include "ui/serial_device_lister.h"

namespace {

constexpr const char* kPointsTooClose =
    "The difference between the frequencies where the correction\n"
    "frequencies are determined must not be less than  5000 KHz !";
constexpr const char* kCorrectionsTooFar =
    "The difference between the correction frequencies\nmust not be greater than 500 Hz !";

// The fields of the dialog as the user leaves them before pressing OK.
struct Fields {
    const char* point1 = "10000";
    const char* point2 = "15000";
    const char* correction1 = "-300";
    const char* correction2 = "200";
    const char* fast = "500";
    const char* slow = "2000";
    const char* cw = "700";
};

struct CheckCase {
    const char* name;
    Fields fields;
    const char* message;  // empty when accepted
    int focus;            // control focused after the message
};

class ConfigurationCheckTest : public ::testing::TestWithParam<CheckCase> {
  protected:
    void SetUp() override { MinimumFrequency = kDefaultMinimumFrequency; }
    void TearDown() override { MinimumFrequency = kDefaultMinimumFrequency; }

    void PressOk(const Fields& fields) {
        dialog.comPortIndex = 0;
        dialog.displayUnitIndex = 0;
        DeclareTemplateGroups(dialog.TemplateId(), window);
        dialog.OnInitDialog(window);
        window.SetText(IDC_CFG_POINT1, fields.point1);
        window.SetText(IDC_CFG_POINT2, fields.point2);
        window.SetText(IDC_CFG_CORRECTION1, fields.correction1);
        window.SetText(IDC_CFG_CORRECTION2, fields.correction2);
        window.SetText(IDC_CFG_TIME_FAST, fields.fast);
        window.SetText(IDC_CFG_TIME_SLOW, fields.slow);
        window.SetText(IDC_CFG_CW_FREQUENCY, fields.cw);
        dialog.OnCommand(window, IDOK);
    }

    FakeHost host;
    FakeDialogWindow window;
    CConfigurationDialog dialog{host, SerialPortHelpers{}};
};

TEST_P(ConfigurationCheckTest, OkReportsTheFirstFailureAndStaysOpen) {
    const CheckCase& c = GetParam();
    PressOk(c.fields);
    if (std::string(c.message).empty()) {
        EXPECT_TRUE(host.messages.empty()) << host.messages[0].text;
        EXPECT_EQ(window.endResult, IDOK);
        return;
    }
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, c.message);
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(window.focus, c.focus);
    EXPECT_EQ(window.endResult, 0);
}

Fields With(Fields fields, const char* Fields::*field, const char* text) {
    fields.*field = text;
    return fields;
}
Fields Points(const char* point1, const char* point2) {
    return With(With(Fields{}, &Fields::point1, point1), &Fields::point2, point2);
}
Fields Corrections(const char* correction1, const char* correction2) {
    return With(With(Fields{}, &Fields::correction1, correction1), &Fields::correction2,
                correction2);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ConfigurationCheckTest,
    ::testing::Values(
        CheckCase{"Accepted", Fields{}, "", 0},
        CheckCase{"PointsExactly5000Apart", Points("5000", "10000"), "", 0},
        CheckCase{"PointsJustUnder5000Apart", Points("10000", "14999.5"), kPointsTooClose,
                  IDC_CFG_POINT1},
        CheckCase{"PointsReversedTooClose", Points("15000", "10000.001"), kPointsTooClose,
                  IDC_CFG_POINT1},
        CheckCase{"CorrectionsExactly500Apart", Corrections("-300", "200"), "", 0},
        CheckCase{"CorrectionsJustOver500Apart", Corrections("-300", "201"), kCorrectionsTooFar,
                  IDC_CFG_CORRECTION1},
        CheckCase{"BothPairsWrongPointsFirst",
                  With(Corrections("-1000", "1000"), &Fields::point2, "10001"), kPointsTooClose,
                  IDC_CFG_POINT1},
        CheckCase{"PointBelowMinimumBeforeDistance", Points("99.999", "100"),
                  "Please enter a number between 100 and 30000.", IDC_CFG_POINT1},
        CheckCase{"PointAboveMaximum", Points("10000", "30000.5"),
                  "Please enter a number between 100 and 30000.", IDC_CFG_POINT2},
        CheckCase{"PointNotANumber", Points("7,1", "15000"), "Please enter a number.",
                  IDC_CFG_POINT1},
        CheckCase{"PointWithBlanksAround", Points("  10000.5 ", "\t20000"), "", 0},
        CheckCase{"FastTooShort", With(Fields{}, &Fields::fast, "150"),
                  "Please enter an integer between 200 and 1000.", IDC_CFG_TIME_FAST},
        CheckCase{"SlowTooLong", With(Fields{}, &Fields::slow, "6000"),
                  "Please enter an integer between 500 and 5000.", IDC_CFG_TIME_SLOW},
        CheckCase{"CwOutOfRange", With(Fields{}, &Fields::cw, "-15001"),
                  "Please enter an integer between -15000 and 15000.", IDC_CFG_CW_FREQUENCY},
        CheckCase{"CorrectionWithFraction", Corrections("12.5", "0"), "Please enter an integer.",
                  IDC_CFG_CORRECTION1},
        CheckCase{"CorrectionEmpty", Corrections("0", ""), "Please enter an integer.",
                  IDC_CFG_CORRECTION2},
        CheckCase{"CorrectionBeyond32Bits", Corrections("0", "99999999999"),
                  "Please enter an integer.", IDC_CFG_CORRECTION2},
        CheckCase{"CorrectionOutOfRange", Corrections("1001", "0"),
                  "Please enter an integer between -1000 and 1000.", IDC_CFG_CORRECTION1},
        // Fields are checked in a fixed order: corrections, points, fast, slow, CW.
        CheckCase{"CorrectionBeforePoint", With(Points("1", "2"), &Fields::correction2, "x"),
                  "Please enter an integer.", IDC_CFG_CORRECTION2},
        CheckCase{"FastBeforeSlow", With(With(Fields{}, &Fields::slow, "1"), &Fields::fast, "1"),
                  "Please enter an integer between 200 and 1000.", IDC_CFG_TIME_FAST},
        CheckCase{"FieldsBeforePairChecks", With(Points("10000", "10001"), &Fields::cw, "abc"),
                  "Please enter an integer.", IDC_CFG_CW_FREQUENCY}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ConfigurationCheckTest, TheLowerPointLimitFollowsTheMinimumFrequency) {
    MinimumFrequency = 10000;
    PressOk(Points("9.5", "20000"));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Please enter a number between 10 and 30000.");
}

TEST_F(ConfigurationCheckTest, CancelEndsWithoutChecks) {
    DeclareTemplateGroups(dialog.TemplateId(), window);
    dialog.OnInitDialog(window);
    window.SetText(IDC_CFG_TIME_FAST, "nonsense");
    dialog.OnCommand(window, IDCANCEL);
    EXPECT_EQ(window.endResult, IDCANCEL);
    EXPECT_TRUE(host.messages.empty());
}

// The program's configuration path: the controller's values in, the user's values out.
class RunConfigurationTest : public ::testing::Test {
  protected:
    void SetUp() override { rig.Start(); }

    MainWindowRig rig;
    FakeDialogWindow shown;
};

TEST_F(RunConfigurationTest, OpensWithTheControllersValuesInKilohertz) {
    ProfileSettings& settings = ControllerTestAccess::Settings(rig.controller);
    settings.FrequencyForCorrection2 = 15000999;
    settings.CorrectionFrequency = 40;
    settings.CorrectionFrequency2 = -40;
    rig.host.modalHandler = ShowDialogIn(shown, nullptr);
    RunConfiguration(rig.controller, rig.host);
    EXPECT_EQ(rig.host.modalTemplates, (std::vector<int>{IDD_CONFIGURATION}));
    EXPECT_EQ(shown.GetRadioIndex(IDC_CFG_COM1), settings.ComPort - 1);
    EXPECT_EQ(shown.GetRadioIndex(IDC_CFG_KHZ), 0);
    EXPECT_EQ(shown.GetText(IDC_CFG_POINT1), "5000");
    // Whole kilohertz: the hertz below are dropped.
    EXPECT_EQ(shown.GetText(IDC_CFG_POINT2), "15000");
    EXPECT_EQ(shown.GetText(IDC_CFG_CORRECTION1), "40");
    EXPECT_EQ(shown.GetText(IDC_CFG_CORRECTION2), "-40");
    EXPECT_EQ(shown.GetText(IDC_CFG_CW_FREQUENCY), "700");
    EXPECT_EQ(shown.GetText(IDC_CFG_TIME_SLOW), "2000");
    EXPECT_EQ(shown.GetText(IDC_CFG_TIME_FAST), "500");
    EXPECT_EQ(shown.GetText(IDC_CFG_PATH_COM1), settings.Ports.PathOf(1));
    // Cancelled: nothing changed, the link still runs.
    EXPECT_EQ(settings.FrequencyForCorrection2, 15000999);
    EXPECT_TRUE(ControllerTestAccess::Link(rig.controller).IsOpen());
}

TEST_F(RunConfigurationTest, OkHandsTheValuesToTheController) {
    rig.controller.ContinuousTuning(1, 1);
    rig.host.modalHandler = ShowDialogIn(shown, [](DialogLogic& d, FakeDialogWindow& w) {
        w.ClickRadio(IDC_CFG_COM3);
        w.ClickRadio(IDC_CFG_MHZ);
        w.SetText(IDC_CFG_POINT1, "3000.5");
        w.SetText(IDC_CFG_POINT2, "25000.0009");
        w.SetText(IDC_CFG_CORRECTION1, "-100");
        w.SetText(IDC_CFG_CORRECTION2, "150");
        w.SetText(IDC_CFG_CW_FREQUENCY, "-800");
        w.SetText(IDC_CFG_TIME_SLOW, "1500");
        w.SetText(IDC_CFG_TIME_FAST, "250");
        w.SetText(IDC_CFG_PATH_COM3, " /dev/ttyUSB0 ");
        w.SetText(IDC_CFG_PATH_COM4, "");
        d.OnCommand(w, IDOK);
    });
    RunConfiguration(rig.controller, rig.host);
    EXPECT_FALSE(rig.clock.IsRunning(kRepeatTimer));
    const ProfileSettings& settings = ControllerTestAccess::Settings(rig.controller);
    EXPECT_EQ(settings.ComPort, 3);
    EXPECT_EQ(settings.DisplayMHz, 1);
    EXPECT_EQ(settings.FrequencyForCorrection, 3000500);
    EXPECT_EQ(settings.FrequencyForCorrection2, 25000000);
    EXPECT_EQ(settings.CorrectionFrequency, -100);
    EXPECT_EQ(settings.CorrectionFrequency2, 150);
    EXPECT_EQ(settings.CWFrequency, -800);
    EXPECT_EQ(settings.TuningTimeSlow, 1500);
    EXPECT_EQ(settings.TuningTimeFast, 250);
    EXPECT_EQ(settings.Ports.PathOf(3), "/dev/ttyUSB0");
    // An emptied path falls back to the port's usual device.
    EXPECT_EQ(settings.Ports.PathOf(4), ComPortMap::DefaultPath(4));
    // The link restarted on the chosen port's device.
    EXPECT_EQ(rig.device.openedPath, "/dev/ttyUSB0");
}

class ListedDevices : public SerialDeviceLister {
  public:
    std::vector<std::string> List() override {
        return {"/dev/serial/by-id/usb-FTDI", "/dev/ttyUSB0"};
    }
};

TEST_F(RunConfigurationTest, EveryPortOffersTheDevicesPresent) {
    ListedDevices lister;
    rig.host.modalHandler = ShowDialogIn(shown, nullptr);
    RunConfiguration(rig.controller, rig.host, SerialPortHelpers{&lister, nullptr});
    for (int id : {IDC_CFG_PATH_COM1, IDC_CFG_PATH_COM2, IDC_CFG_PATH_COM3, IDC_CFG_PATH_COM4}) {
        EXPECT_EQ(shown.listItems[id], lister.List()) << id;
    }
}

TEST_F(RunConfigurationTest, AChosenPortThatCannotBeOpenedIsExplained) {
    ScriptedSerialDevice probe;
    probe.openError = SerialOpenError::PermissionDenied;
    std::string atOpen;
    rig.host.modalHandler = ShowDialogIn(shown, [&](DialogLogic& d, FakeDialogWindow& w) {
        // The port in use by the program is fine and is not tried again.
        atOpen = w.GetText(IDC_CFG_PORT_PROBLEM);
        w.ClickRadio(IDC_CFG_COM2);
        w.SetText(IDC_CFG_PATH_COM2, "/dev/ttyUSB7");
        d.OnCommand(w, IDC_CFG_COM2);
    });
    RunConfiguration(rig.controller, rig.host, SerialPortHelpers{nullptr, &probe});
    EXPECT_EQ(atOpen, "");
    EXPECT_EQ(probe.openCalls, 1);
    const std::string problem = shown.GetText(IDC_CFG_PORT_PROBLEM);
    EXPECT_NE(problem.find("/dev/ttyUSB7"), std::string::npos) << problem;
    EXPECT_NE(problem.find("\"dialout\""), std::string::npos) << problem;
}

TEST_F(RunConfigurationTest, APortThatOpensShowsNoProblemAndIsClosedAgain) {
    rig.controller.Stop(0);
    ScriptedSerialDevice probe;
    rig.host.modalHandler = ShowDialogIn(shown, nullptr);
    RunConfiguration(rig.controller, rig.host, SerialPortHelpers{nullptr, &probe});
    EXPECT_EQ(probe.openCalls, 1);
    EXPECT_EQ(probe.closeCalls, 1);
    EXPECT_EQ(shown.GetText(IDC_CFG_PORT_PROBLEM), "");
}

}  // namespace
