// Pictures as scripts hold them, and reading a picture from what a script assigns to a Picture
// or MouseIcon property.
#pragma once

#include "run/platform/graphics/Picture.h"
#include "vbscript/vbscript.h"

namespace run::scripting {

class PictureObject final : public vbs::Object {
  public:
    explicit PictureObject(platform::PicturePtr picture) : m_picture(std::move(picture)) {}
    const platform::PicturePtr& picture() const { return m_picture; }

    std::u16string typeName() const override { return u"Picture"; }
    vbs::DispId memberId(std::u16string_view name) override;
    const void* dispatchKey() const override;
    bool invoke(vbs::DispId id, vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                vbs::HostError& err) override;

  private:
    platform::PicturePtr m_picture;
};

// The picture an assigned value stands for: a picture object, Nothing (no picture), an object
// whose default member gives a picture (an image element), or a picture's Handle number (0: no
// picture), which is what a plain `x.Picture = pic` leaves once the engine has reduced the
// object to its default member. Anything else fails with 13, an unknown handle with 380.
bool ReadPictureValue(const vbs::Value& assigned, platform::PicturePtr& out, vbs::HostError& err);

} // namespace run::scripting
