#include <gtest/gtest.h>

#include "platform/com/com_object.h"
#include "platform/com/com_ptr.h"
#include "tests/platform/com/test_support.h"

namespace {

using namespace quenmoor::com;
using quenmoor::comtests::comErrorOf;
using quenmoor::comtests::references;

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

}  // namespace
