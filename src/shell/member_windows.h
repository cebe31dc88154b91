#pragma once

#include "shell/member_window.h"

// The thirteen member windows: each is its descriptor under its own class name.
namespace quintaro::shell {

class TI_Soldado : public MemberWindow {
    Q_OBJECT
  public:
    explicit TI_Soldado(const WindowContext& context, QWidget* parent = nullptr)
        : MemberWindow(member_descriptor(checks::WindowKind::I_Soldado), context, parent) {}
};

class TForm_I_Laminado : public MemberWindow {
    Q_OBJECT
  public:
    explicit TForm_I_Laminado(const WindowContext& context, QWidget* parent = nullptr)
        : MemberWindow(member_descriptor(checks::WindowKind::I_Laminado), context, parent) {}
};

class TForm_H_Laminado : public MemberWindow {
    Q_OBJECT
  public:
    explicit TForm_H_Laminado(const WindowContext& context, QWidget* parent = nullptr)
        : MemberWindow(member_descriptor(checks::WindowKind::H_Laminado), context, parent) {}
};

class TForm_U_Laminado : public MemberWindow {
    Q_OBJECT
  public:
    explicit TForm_U_Laminado(const WindowContext& context, QWidget* parent = nullptr)
        : MemberWindow(member_descriptor(checks::WindowKind::U_Laminado), context, parent) {}
};

class TL_Laminado : public MemberWindow {
    Q_OBJECT
  public:
    explicit TL_Laminado(const WindowContext& context, QWidget* parent = nullptr)
        : MemberWindow(member_descriptor(checks::WindowKind::L_Laminado), context, parent) {}
};

class TLT_Laminado : public MemberWindow {
    Q_OBJECT
  public:
    explicit TLT_Laminado(const WindowContext& context, QWidget* parent = nullptr)
        : MemberWindow(member_descriptor(checks::WindowKind::LT_Laminado), context, parent) {}
};

class TLU_Laminado : public MemberWindow {
    Q_OBJECT
  public:
    explicit TLU_Laminado(const WindowContext& context, QWidget* parent = nullptr)
        : MemberWindow(member_descriptor(checks::WindowKind::LU_Laminado), context, parent) {}
};

class TLX_Laminado : public MemberWindow {
    Q_OBJECT
  public:
    explicit TLX_Laminado(const WindowContext& context, QWidget* parent = nullptr)
        : MemberWindow(member_descriptor(checks::WindowKind::LX_Laminado), context, parent) {}
};

class TL2_Laminado : public MemberWindow {
    Q_OBJECT
  public:
    explicit TL2_Laminado(const WindowContext& context, QWidget* parent = nullptr)
        : MemberWindow(member_descriptor(checks::WindowKind::L2_Laminado), context, parent) {}
};

class TL2T_Ma_Laminado : public MemberWindow {
    Q_OBJECT
  public:
    explicit TL2T_Ma_Laminado(const WindowContext& context, QWidget* parent = nullptr)
        : MemberWindow(member_descriptor(checks::WindowKind::L2T_Ma_Laminado), context, parent) {}
};

class TL2T_Me_Laminado : public MemberWindow {
    Q_OBJECT
  public:
    explicit TL2T_Me_Laminado(const WindowContext& context, QWidget* parent = nullptr)
        : MemberWindow(member_descriptor(checks::WindowKind::L2T_Me_Laminado), context, parent) {}
};

class TL2U_Ma_Laminado : public MemberWindow {
    Q_OBJECT
  public:
    explicit TL2U_Ma_Laminado(const WindowContext& context, QWidget* parent = nullptr)
        : MemberWindow(member_descriptor(checks::WindowKind::L2U_Ma_Laminado), context, parent) {}
};

class TL2U_Me_Laminado : public MemberWindow {
    Q_OBJECT
  public:
    explicit TL2U_Me_Laminado(const WindowContext& context, QWidget* parent = nullptr)
        : MemberWindow(member_descriptor(checks::WindowKind::L2U_Me_Laminado), context, parent) {}
};

}  // namespace quintaro::shell
