// The runtime's own types: identifiers, text, values, references and identity of objects,
// late binding, and the registry.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/com/com_object.h"
#include "platform/com/com_ptr.h"
#include "platform/com/dispatch_table.h"
#include "platform/com/guid.h"
#include "platform/com/registry.h"
#include "platform/com/text_case.h"
#include "platform/com/variant.h"
#include "tests/platform/com/test_support.h"
#include "tests/support/named_rows.h"

namespace {

using namespace quenmoor::com;
using quenmoor::comtests::comErrorOf;
using quenmoor::comtests::references;
using quenmoor::comtests::ScopedEnvironment;
using quenmoor::comtests::TemporaryRegistry;
using testing::ElementsAre;
using testing::HasSubstr;
namespace fs = std::filesystem;

TEST(Guid, FormatsInUpperCaseBracesAndParsesBack) {
    const Guid id = guid("99aece5c-eb77-4944-a5b1-60b5ca6dc0b4");
    EXPECT_EQ(id.data1, 0x99AECE5Cu);
    EXPECT_EQ(id.data4[0], 0xA5);
    EXPECT_EQ(id.data4[7], 0xB4);
    EXPECT_EQ(id.toString(), "{99AECE5C-EB77-4944-A5B1-60B5CA6DC0B4}");
    EXPECT_EQ(Guid::parse(id.toString()), id);
}

// Empty, a digit short, two digits long, braces that do not match, a dash out of place and
// a letter that is no hex digit.
TEST(Guid, MalformedTextThrowsClassStringQuotingIt) {
    for (const char* text :
         {"", "{99AECE5C-EB77-4944-A5B1-60B5CA6DC0B}", "99AECE5C-EB77-4944-A5B1-60B5CA6DC0B4AA",
          "{99AECE5C-EB77-4944-A5B1-60B5CA6DC0B4)", "{99AECE5CE-B77-4944-A5B1-60B5CA6DC0B4}",
          "{99AECE5C-EB77-4944-A5B1-60B5CA6DC0BG}"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(Guid::tryParse(text));
        ComError error = comErrorOf([&] { Guid::parse(text); });
        EXPECT_EQ(error.code(), CO_E_CLASSSTRING);
        EXPECT_THAT(error.description(), HasSubstr("\"" + std::string(text) + "\""));
    }
}

TEST(TextCase, OnlyAsciiLettersFoldAndEveryOtherByteMustMatch) {
    EXPECT_TRUE(equalsIgnoringCase("Options.XLS", "options.xls"));
    EXPECT_FALSE(equalsIgnoringCase("list1", "list10"));
    // The neighbours of A..Z and a..z are not letters.
    EXPECT_FALSE(equalsIgnoringCase("@[", "`{"));
    // Capitals beyond ASCII stay as they are, in Latin-1 bytes and in UTF-8 alike.
    EXPECT_FALSE(equalsIgnoringCase("\xC9", "\xE9"));
    EXPECT_FALSE(equalsIgnoringCase("\xC3\x89T\xC3\xA9", "\xC3\xA9t\xC3\xA9"));
    EXPECT_TRUE(equalsIgnoringCase("\xC3\x89T\xC3\xA9", "\xC3\x89t\xC3\xA9"));
    EXPECT_EQ(toLowerAscii("PART.STEP \xC9\xFF"), "part.step \xC9\xFF");
    EXPECT_EQ(CaseInsensitiveHash{}("Sheet1"), CaseInsensitiveHash{}("SHEET1"));
}

struct DoubleText {
    const char* name;
    double value;
    const char* text;
};

class DoubleTextTest : public ::testing::TestWithParam<DoubleText> {};

TEST_P(DoubleTextTest, HasFifteenSignificantDigits) {
    EXPECT_EQ(Variant(GetParam().value).toText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Variant, DoubleTextTest,
    ::testing::Values(DoubleText{"InchInMillimeters", 1 / 0.03937, "25.4000508001016"},
                      DoubleText{"TenToTheFifteenth", 1e15, "1E+15"},
                      DoubleText{"BelowTenThousandth", 1e-5, "1E-05"},
                      DoubleText{"TenThousandth", 0.0001, "0.0001"},
                      DoubleText{"RoundsUpToPlain", 0.00009999999999999999, "0.0001"},
                      DoubleText{"FifteenDigits", 123456789012345.0, "123456789012345"},
                      DoubleText{"SixteenDigits", 1234567890123456.0, "1.23456789012346E+15"},
                      DoubleText{"RoundsUpToTheExponent", 999999999999999.9, "1E+15"},
                      DoubleText{"NegativeZero", -0.0, "0"},
                      DoubleText{"BinaryFraction", 0.1 + 0.2, "0.3"},
                      DoubleText{"Negative", -2.5, "-2.5"}),
    quenmoor::testsupport::RowName());

// A value as 16- and 32-bit integers; nullopt where the conversion overflows.
struct Integers {
    const char* name;
    Variant value;
    std::optional<std::int16_t> int16;
    std::optional<std::int32_t> int32;
};

class IntegerTest : public ::testing::TestWithParam<Integers> {};

TEST_P(IntegerTest, RoundsHalfToEvenAndOverflowsPastItsRange) {
    const Integers& c = GetParam();
    if (c.int16) {
        EXPECT_EQ(c.value.toInt16(), *c.int16);
    } else {
        EXPECT_EQ(comErrorOf([&] { c.value.toInt16(); }).code(), CTL_E_OVERFLOW);
    }
    if (c.int32) {
        EXPECT_EQ(c.value.toInt32(), *c.int32);
    } else {
        EXPECT_EQ(comErrorOf([&] { c.value.toInt32(); }).code(), CTL_E_OVERFLOW);
    }
}

constexpr std::nullopt_t overflow = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Variant, IntegerTest,
    ::testing::Values(Integers{"Half", 0.5, 0, 0}, Integers{"OneAndAHalf", 1.5, 2, 2},
                      Integers{"TwoAndAHalf", 2.5, 2, 2}, Integers{"NegativeHalf", -2.5, -2, -2},
                      Integers{"BelowInt16Limit", 32767.4, 32767, 32767},
                      Integers{"RoundsPastInt16", 32767.5, overflow, 32768},
                      Integers{"Int16Minimum", -32768.5, -32768, -32768},
                      Integers{"PastInt16", 40000, overflow, 40000},
                      Integers{"Int32Maximum", 2147483647.0, overflow, 2147483647},
                      Integers{"RoundsPastInt32", 2147483647.5, overflow, overflow},
                      Integers{"Int32Minimum", -2147483648.5, overflow, -2147483647 - 1},
                      Integers{"TextWithBlanks", " 12 ", 12, 12},
                      Integers{"True", Variant::boolean(true), -1, -1},
                      Integers{"Empty", Variant(), 0, 0}),
    quenmoor::testsupport::RowName());

TEST(Variant, EmptyBooleanAndTextFollowTheLanguagesRules) {
    EXPECT_EQ(Variant::boolean(true).toText(), "True");
    EXPECT_TRUE(Variant("TRUE").toBool());
    EXPECT_EQ(Variant(std::int16_t{-1}).toVariantBool(), VariantTrue);
    EXPECT_EQ(Variant(), Variant(""));
    EXPECT_EQ(Variant(), Variant(0));
    EXPECT_EQ(Variant(2), Variant(2.0));
    EXPECT_FALSE(Variant("1") == Variant(1));
    EXPECT_EQ(Variant().toText(), "");
    EXPECT_EQ(comErrorOf([] { Variant("1,5").toDouble(); }).code(), CTL_E_TYPEMISMATCH);
}

class IAlpha : public IUnknown {
public:
    static constexpr Guid iid = guid("{2B0E4D1A-0000-4000-8000-000000000001}");
    using Base = IUnknown;
    virtual int alpha() = 0;

protected:
    ~IAlpha() = default;
};

class IAlphaExtended : public IAlpha {
public:
    static constexpr Guid iid = guid("{2B0E4D1A-0000-4000-8000-000000000002}");
    using Base = IAlpha;

protected:
    ~IAlphaExtended() = default;
};

class IBeta : public IUnknown {
public:
    static constexpr Guid iid = guid("{2B0E4D1A-0000-4000-8000-000000000003}");
    using Base = IUnknown;
    virtual int beta() = 0;

protected:
    ~IBeta() = default;
};

class Probe final : public ComObject<Probe, IAlphaExtended, IBeta> {
public:
    explicit Probe(bool& destroyed) : destroyed_(destroyed) {}
    ~Probe() override { destroyed_ = true; }
    int alpha() override { return 1; }
    int beta() override { return 2; }

private:
    bool& destroyed_;
};

TEST(ComPtr, CopyMoveAdoptAndPutKeepTheCountAndReleaseAtTheEnd) {
    bool destroyed = false;
    ComPtr<Probe> probe = Probe::create(destroyed);
    IUnknown* raw = probe.tryAs<IUnknown>().get();
    EXPECT_EQ(references(raw), 1u);
    {
        ComPtr<Probe> copy = probe;
        EXPECT_EQ(references(raw), 2u);
        ComPtr<Probe> moved = std::move(copy);
        EXPECT_FALSE(copy);
        EXPECT_EQ(references(raw), 2u);
        ComPtr<IBeta> beta = probe.as<IBeta>("probe");
        EXPECT_EQ(references(raw), 3u);
        ComPtr<IBeta> other;
        IBeta** slot = other.put();
        beta->AddRef();
        *slot = beta.get();
        EXPECT_EQ(references(raw), 4u);
        other.put();  // gives up what it held
        EXPECT_EQ(references(raw), 3u);
    }
    EXPECT_EQ(references(raw), 1u);
    probe->AddRef();
    ComPtr<IAlpha> adopted = ComPtr<IAlpha>::adopt(probe.get());
    EXPECT_EQ(references(raw), 2u);
    adopted.reset();
    probe.reset();
    EXPECT_TRUE(destroyed);
}

TEST(ComObject, EveryInterfaceLeadsToOneIdentity) {
    bool destroyed = false;
    ComPtr<Probe> probe = Probe::create(destroyed);
    ComPtr<IAlpha> alpha = probe.as<IAlpha>("probe");  // through IAlphaExtended's base
    ComPtr<IBeta> beta = probe.as<IBeta>("probe");
    EXPECT_EQ(alpha->alpha(), 1);
    EXPECT_EQ(beta->beta(), 2);
    IUnknown* identity = alpha.tryAs<IUnknown>().get();
    EXPECT_EQ(beta.tryAs<IUnknown>().get(), identity);
    EXPECT_EQ(probe.tryAs<IAlphaExtended>().tryAs<IUnknown>().get(), identity);
    EXPECT_TRUE(sameObject(alpha, beta));

    void* object = &destroyed;
    EXPECT_EQ(probe->QueryInterface(IClassFactory::iid, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(probe->QueryInterface(IBeta::iid, nullptr), E_POINTER);
    EXPECT_EQ(comErrorOf([&] { probe.as<IClassFactory>("probe"); }).code(), E_NOINTERFACE);
    EXPECT_EQ(comErrorOf([&] { ComPtr<IAlpha>().as<IBeta>("nothing"); }).code(), E_POINTER);
}

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

// A second type that has a Reading too, under another id than the gauge's.
class IMeter : public IDispatch {
public:
    static constexpr Guid iid = guid("{2B0E4D1A-0000-4000-8000-000000000011}");
    using Base = IDispatch;

    virtual std::int32_t Reading() = 0;

    static const DispatchTable<IMeter>& dispatchTable() {
        static const DispatchTable<IMeter> table{
            DispatchTable<IMeter>::get<&IMeter::Reading>("Reading")};
        return table;
    }

protected:
    ~IMeter() = default;
};

class Meter final : public ComObject<Meter, DualInterface<IMeter>> {
public:
    std::int32_t Reading() override { return 12; }
};

TEST(DispatchTable, AMemberCalledOnManyObjectsIsResolvedForEachTypeMet) {
    const ComPtr<IDispatch> gauge = Gauge::create();
    const ComPtr<IDispatch> meter = Meter::create();
    ASSERT_EQ(gauge->GetTypeInfo(), Gauge::create()->GetTypeInfo());
    ASSERT_NE(gauge->GetTypeInfo(), meter->GetTypeInfo());
    MemberOfEachObject reading("Reading");
    std::vector<std::int32_t> read;
    for (const auto& object : {gauge, meter, meter, gauge}) {
        read.push_back(reading(object.get()).toInt32());
    }
    EXPECT_EQ(read, (std::vector<std::int32_t>{70000, 12, 12, 70000}));
    EXPECT_EQ(comErrorOf([&] { reading(nullptr); }).code(), CTL_E_OBJECTNOTSET);
}

void writeText(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

nlohmann::json readJson(const fs::path& file) {
    return nlohmann::json::parse(std::ifstream(file));
}

TEST(Registry, ValuesAndKeysAreFoundWithoutRegardToCaseAndKeepTheirFirstSpelling) {
    TemporaryRegistry temporary;
    Registry& registry = Registry::instance();
    registry.setValue("\\CLSID\\{ABC}\\InprocServer32\\", "", "/opt/a.so");
    registry.setValue("clsid\\{abc}\\INPROCSERVER32", "ThreadingModel", "Apartment");
    registry.setValue("CLSID\\{abc}\\inprocserver32", "threadingmodel", "Both");

    EXPECT_EQ(registry.value("Clsid\\{Abc}\\InprocServer32"), "/opt/a.so");
    EXPECT_EQ(registry.value("CLSID\\{ABC}\\InprocServer32", "THREADINGMODEL"), "Both");
    EXPECT_EQ(registry.value("CLSID\\{ABC}", "InprocServer32"), std::nullopt);  // a key
    EXPECT_EQ(registry.value("CLSID\\{DEF}\\InprocServer32"), std::nullopt);
    EXPECT_TRUE(registry.keyExists("clsid\\{abc}"));
    EXPECT_THAT(registry.subkeys("CLSID"), ElementsAre("{ABC}"));
    EXPECT_THAT(registry.subkeys("CLSID\\{ABC}"), ElementsAre("InprocServer32"));

    nlohmann::json file = readJson(temporary.file());
    EXPECT_EQ(file["CLSID"]["{ABC}"]["InprocServer32"][""], "/opt/a.so");
    EXPECT_EQ(file["CLSID"]["{ABC}"]["InprocServer32"]["ThreadingModel"], "Both");

    registry.deleteValue("CLSID\\{ABC}\\InprocServer32", "threadingMODEL");
    EXPECT_EQ(registry.value("CLSID\\{ABC}\\InprocServer32", "ThreadingModel"), std::nullopt);
    EXPECT_FALSE(registry.deleteTree("CLSID\\{DEF}"));
    EXPECT_TRUE(registry.deleteTree("clsid\\{ABC}"));
    EXPECT_FALSE(registry.keyExists("CLSID\\{ABC}"));
    EXPECT_TRUE(registry.keyExists("CLSID"));
}

TEST(Registry, ReadsAgainWhenThePathOrTheFileChanges) {
    TemporaryRegistry first;
    Registry& registry = Registry::instance();
    registry.setValue("Quenmoor.Test", "", "first");
    {
        TemporaryRegistry second;
        EXPECT_FALSE(registry.keyExists("Quenmoor.Test"));
        registry.setValue("Quenmoor.Test", "", "second");
    }
    EXPECT_EQ(registry.value("Quenmoor.Test"), "first");

    // Another process rewrites the file in place.
    writeText(first.file(), R"({"Quenmoor.Test": {"": "other"}})");
    EXPECT_EQ(registry.value("Quenmoor.Test"), "other");
}

TEST(Registry, WritesCreateTheFoldersAndLeaveNoTemporaryFile) {
    TemporaryRegistry temporary;
    const fs::path file = temporary.folder() / "a" / "b" / "registry.json";
    ScopedEnvironment environment("QUENMOOR_REGISTRY", file.c_str());
    for (int i = 0; i < 5; ++i) {
        Registry::instance().setValue("Key" + std::to_string(i), "Value", "x");
    }
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(file.parent_path())) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_THAT(names, ElementsAre("registry.json"));
    EXPECT_EQ(readJson(file).size(), 5u);
}

struct Unreadable {
    const char* name;
    const char* content;  // null for a folder in the file's place
    const char* reason;
};

class UnreadableTest : public ::testing::TestWithParam<Unreadable> {};

TEST_P(UnreadableTest, ThrowsReadErrorNamingTheFile) {
    TemporaryRegistry temporary;
    GetParam().content != nullptr ? writeText(temporary.file(), GetParam().content)
                                  : (void)fs::create_directory(temporary.file());
    ComError error = comErrorOf([] { Registry::instance().value("CLSID"); });
    EXPECT_EQ(error.code(), REGDB_E_READREGDB);
    EXPECT_THAT(error.description(), HasSubstr(temporary.file().string() + ": "));
    EXPECT_THAT(error.description(), HasSubstr(GetParam().reason));
}

INSTANTIATE_TEST_SUITE_P(Registry, UnreadableTest,
                         ::testing::Values(Unreadable{"Truncated", "{\"CLSID\": {", "parse error"},
                                           Unreadable{"Array", "[1, 2]", "JSON object"},
                                           Unreadable{"NumberValue",
                                                      R"({"CLSID": {"{ABC}": {"": 5}}})",
                                                      "CLSID\\{ABC}\\"},
                                           Unreadable{"Folder", nullptr, "not a regular file"}),
                         quenmoor::testsupport::RowName());

TEST(Registry, AnEmptyFileIsAnEmptyRegistry) {
    TemporaryRegistry temporary;
    writeText(temporary.file(), "");
    EXPECT_FALSE(Registry::instance().keyExists("CLSID"));
}

TEST(Registry, WriteFailuresAndNameClashesThrowWriteErrorNamingTheFile) {
    TemporaryRegistry temporary;
    writeText(temporary.folder() / "plain", "");
    const fs::path blocked = temporary.folder() / "plain" / "registry.json";
    {
        ScopedEnvironment environment("QUENMOOR_REGISTRY", blocked.c_str());
        ComError error = comErrorOf([] { Registry::instance().setValue("Key", "", "x"); });
        EXPECT_EQ(error.code(), REGDB_E_WRITEREGDB);
        EXPECT_THAT(error.description(), HasSubstr(blocked.string()));
    }
    Registry& registry = Registry::instance();
    registry.setValue("Key\\Sub", "Name", "x");
    EXPECT_EQ(comErrorOf([&] { registry.setValue("Key", "sub", "y"); }).code(), REGDB_E_WRITEREGDB);
    EXPECT_EQ(comErrorOf([&] { registry.setValue("Key\\Sub\\Name", "", "y"); }).code(),
              REGDB_E_WRITEREGDB);
    EXPECT_EQ(comErrorOf([&] { registry.value("Key\\\\Sub"); }).code(), E_INVALIDARG);
    EXPECT_EQ(comErrorOf([&] { registry.deleteTree("\\"); }).code(), E_INVALIDARG);
    EXPECT_EQ(registry.value("Key\\Sub", "Name"), "x");
}

// The environment: QUENMOOR_REGISTRY, XDG_CONFIG_HOME and HOME (null: unset).
struct Environment {
    const char* name;
    const char* registry;
    const char* config;
    const char* home;
    const char* expected;
};

class DefaultPathTest : public ::testing::TestWithParam<Environment> {};

TEST_P(DefaultPathTest, PrefersTheVariableThenTheConfigurationFolders) {
    ScopedEnvironment registry("QUENMOOR_REGISTRY", GetParam().registry);
    ScopedEnvironment config("XDG_CONFIG_HOME", GetParam().config);
    ScopedEnvironment home("HOME", GetParam().home);
    EXPECT_EQ(Registry::defaultPath().string(), GetParam().expected);
    EXPECT_EQ(Registry::instance().path().string(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Registry, DefaultPathTest,
                         ::testing::Values(Environment{"Variable", "/r/reg.json", "/x", "/h",
                                                       "/r/reg.json"},
                                           Environment{"ConfigurationFolder", "", "/x", "/h",
                                                       "/x/quenmoor/registry.json"},
                                           Environment{"RelativeConfiguration", nullptr, "relative",
                                                       "/h", "/h/.config/quenmoor/registry.json"},
                                           Environment{"EmptyConfiguration", nullptr, "", "/h",
                                                       "/h/.config/quenmoor/registry.json"}),
                         quenmoor::testsupport::RowName());

}  // namespace
