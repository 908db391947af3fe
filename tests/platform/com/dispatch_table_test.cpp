#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/com/com_object.h"
#include "platform/com/dispatch_table.h"
#include "tests/platform/com/test_support.h"

namespace {

using namespace quenmoor::com;
using quenmoor::comtests::comErrorOf;
using testing::HasSubstr;

class IGauge : public IDispatch {
public:
    static constexpr Guid iid = guid("{2B0E4D1A-0000-4000-8000-000000000010}");
    using Base = IDispatch;

    virtual double Scale(double factor, std::int16_t times) = 0;
    virtual std::string Label() = 0;
    virtual void SetLabel(std::string label) = 0;
    virtual bool Enabled() = 0;
    virtual std::int32_t Reading() = 0;

    static const DispatchTable<IGauge>& dispatchTable() {
        using Table = DispatchTable<IGauge>;
        static const Table table{
            Table::method<&IGauge::Scale>("Scale"),  Table::get<&IGauge::Label>("Label"),
            Table::put<&IGauge::SetLabel>("Label"),  Table::get<&IGauge::Enabled>("Enabled"),
            Table::get<&IGauge::Reading>("Reading"),
        };
        return table;
    }

protected:
    ~IGauge() = default;
};

class Gauge final : public ComObject<Gauge, DualInterface<IGauge>> {
public:
    double Scale(double factor, std::int16_t times) override { return factor * times; }
    std::string Label() override { return label_; }
    void SetLabel(std::string label) override { label_ = std::move(label); }
    bool Enabled() override { return true; }
    std::int32_t Reading() override { return 70000; }

private:
    std::string label_ = "gauge";
};

TEST(DispatchTable, NamesMatchWithoutRegardToCase) {
    ComPtr<IDispatch> gauge = Gauge::create();
    DispId lower = 0;
    DispId upper = 0;
    ASSERT_EQ(gauge->GetIDsOfNames("label", &lower), S_OK);
    ASSERT_EQ(gauge->GetIDsOfNames("LABEL", &upper), S_OK);
    EXPECT_EQ(lower, upper);
    putProperty(gauge, "lAbEl", "dial");
    EXPECT_EQ(call(gauge, "Label").toText(), "dial");
    EXPECT_EQ(IGauge::dispatchTable().names(),
              (std::vector<std::string>{"Scale", "Label", "Enabled", "Reading"}));
}

TEST(DispatchTable, UnknownNameIsAReturnCodeWithErrorInfo) {
    ComPtr<IDispatch> gauge = Gauge::create();
    DispId id = 0;
    takeErrorInfo();
    EXPECT_EQ(gauge->GetIDsOfNames("Volume", &id), DISP_E_UNKNOWNNAME);
    EXPECT_THAT(takeErrorInfo(), HasSubstr("Volume"));
    ComError error = comErrorOf([&] { call(gauge, "Volume"); });
    EXPECT_EQ(error.code(), DISP_E_UNKNOWNNAME);
    EXPECT_THAT(error.description(), HasSubstr("\"Volume\""));
}

TEST(DispatchTable, ArgumentsAndResultsAreConverted) {
    ComPtr<IDispatch> gauge = Gauge::create();
    // "2.5" as a Double, and 2.5 as an Integer rounds to even.
    EXPECT_EQ(call(gauge, "Scale", "2.5", 2.5).toDouble(), 5.0);
    EXPECT_EQ(call(gauge, "Enabled").toInt16(), VariantTrue);
    EXPECT_EQ(call(gauge, "Reading").toInt32(), 70000);
    putProperty(gauge, "Label", 25.4);
    EXPECT_EQ(call(gauge, "Label").toText(), "25.4");
}

TEST(DispatchTable, BadInvocationsReturnTheirCodeAndNameTheMember) {
    ComPtr<IDispatch> gauge = Gauge::create();
    struct Case {
        const char* name;
        std::uint16_t kind;
        std::vector<Variant> arguments;
        HRESULT code;
        const char* mentions;
    } cases[] = {
        {"Scale", InvokeMethod, {1.0}, DISP_E_BADPARAMCOUNT, "Scale"},
        {"Label", InvokePropertyGet, {"x"}, DISP_E_BADPARAMCOUNT, "Label"},
        {"Reading", InvokePropertyPut, {1}, DISP_E_MEMBERNOTFOUND, "Reading"},
        {"Scale", InvokeMethod, {"abc", 1}, CTL_E_TYPEMISMATCH, "\"abc\""},
        {"Scale", InvokeMethod, {1.0, 40000}, CTL_E_OVERFLOW, "40000"},
        {"Reading", InvokeMethod, {}, S_OK, ""},  // a property may be read as a method
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        DispId id = 0;
        ASSERT_EQ(gauge->GetIDsOfNames(c.name, &id), S_OK);
        Variant result;
        takeErrorInfo();
        EXPECT_EQ(gauge->Invoke(id, c.kind, c.arguments, &result), c.code);
        EXPECT_THAT(takeErrorInfo(), HasSubstr(c.mentions));
    }
    Variant result;
    EXPECT_EQ(gauge->Invoke(99, InvokeMethod, {}, &result), DISP_E_MEMBERNOTFOUND);
}

}  // namespace
