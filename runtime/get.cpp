#include "runtime/get.h"

#include <algorithm>

#include "runtime/value_fns.h"

namespace rt {

const ClassInfo& Get::ClassDef() {
  static const ClassInfo info("GET", &Object::ClassDef(), FactoryOf<Get>(), [](ClassInfo& c) {
    auto flag = [&c](std::string_view name, bool (Get::*read)() const) {
      c.AddData(name, [read](const Object& o) { return Value((static_cast<const Get&>(o).*read)()); }, nullptr);
    };
    c.AddData("block", [](const Object& o) { return static_cast<const Get&>(o).Block(); }, nullptr);
    c.AddData("name", [](const Object& o) { return Value(static_cast<const Get&>(o).Name()); }, nullptr);
    c.AddData("picture", [](const Object& o) { return static_cast<const Get&>(o).Picture(); },
              [](Object& o, const Value& v) { static_cast<Get&>(o).SetPicture(v); });
    c.AddData("type", [](const Object& o) { return Value(static_cast<const Get&>(o).Type()); },
              [](Object& o, const Value& v) { static_cast<Get&>(o).SetType(v.AsString()); });
    c.AddData("buffer",
              [](const Object& o) {
                const Get& g = static_cast<const Get&>(o);
                return g.HasFocus() ? Value(g.Buffer()) : Value();
              },
              [](Object& o, const Value& v) { static_cast<Get&>(o).SetBuffer(v.AsString()); });
    c.AddData("pos", [](const Object& o) { return Value(static_cast<const Get&>(o).Pos()); },
              [](Object& o, const Value& v) { static_cast<Get&>(o).SetPos(static_cast<int>(v.AsInt())); });
    c.AddData("original", [](const Object& o) { return static_cast<const Get&>(o).Original(); }, nullptr);
    c.AddData("clear", [](const Object& o) { return Value(static_cast<const Get&>(o).Clear()); },
              [](Object& o, const Value& v) { static_cast<Get&>(o).SetClear(v.AsLogical()); });
    c.AddData("typeOut", [](const Object& o) { return Value(static_cast<const Get&>(o).TypeOut()); },
              [](Object& o, const Value& v) { static_cast<Get&>(o).SetTypeOut(v.AsLogical()); });
    c.AddData("decPos", [](const Object& o) { return Value(static_cast<const Get&>(o).DecPos()); }, nullptr);
    flag("hasFocus", &Get::HasFocus);
    flag("changed", &Get::Changed);
    flag("minus", &Get::Minus);
    flag("rejected", &Get::Rejected);
    flag("badDate", &Get::BadDate);

    ClassBuilder<Get> m(c);
    m.Method("New", [](Get& g, Args a) {
      auto arg = [&a](std::size_t i) -> const Value& { return Arg(a, i); };
      g.New(static_cast<int>(arg(0).AsInt()), static_cast<int>(arg(1).AsInt()), arg(2), arg(3).AsString(), arg(4),
            arg(5).AsString());
      return g.Self();
    });
    m.Method("VarGet", [](Get& g, Args) { return g.VarGet(); });
    m.Method("VarPut", [](Get& g, Args a) { return g.VarPut(Arg(a, 0)); });
    m.Method("UnTransform", [](Get& g, Args) { return g.UnTransform(); });
    auto action = [&m](std::string_view name, void (Get::*fn)()) {
      m.Method(name, [fn](Get& g, Args) {
        (g.*fn)();
        return g.Self();
      });
    };
    action("SetFocus", &Get::SetFocus);
    action("KillFocus", &Get::KillFocus);
    action("Assign", &Get::Assign);
    action("UpdateBuffer", &Get::UpdateBuffer);
    action("Reset", &Get::Reset);
    action("Undo", &Get::Undo);
    action("ToDecPos", &Get::ToDecPos);
    action("Home", &Get::Home);
    action("End", &Get::End);
    action("Left", &Get::Left);
    action("Right", &Get::Right);
    action("WordLeft", &Get::WordLeft);
    action("WordRight", &Get::WordRight);
    action("Delete", &Get::Delete);
    action("BackSpace", &Get::BackSpace);
    action("Display", &Get::Display);
    auto typed = [&m](std::string_view name, void (Get::*fn)(char)) {
      m.Method(name, [fn](Get& g, Args a) {
        if (!a.empty() && !a[0].AsString().empty()) (g.*fn)(a[0].AsString()[0]);
        return g.Self();
      });
    };
    typed("Insert", &Get::Insert);
    typed("Overstrike", &Get::Overstrike);
  });
  return info;
}

RT_CLASS_REGISTER(Get);

Get& Get::New(int row, int col, const Value& block, std::string name, const Value& picture, std::string colour) {
  row_ = row;
  col_ = col;
  block_ = block;
  name_ = std::move(name);
  picture_ = picture;
  colour_ = std::move(colour);
  type_ = VALTYPE(VarGet());
  return *this;
}

void Get::SetBuffer(std::string buffer) {
  if (!hasFocus_) return;
  // The buffer keeps one character per template position.
  buffer.resize(edit_.tmpl.size(), ' ');
  if (buffer != buffer_) changed_ = true;
  buffer_ = std::move(buffer);
  Display();
}

void Get::SetPos(int pos) {
  const int last = std::max(1, static_cast<int>(buffer_.size()));
  pos_ = std::clamp(pos, hasFocus_ ? 1 : 0, last);
}

bool Get::BadDate() const { return hasFocus_ && IsBadDateBuffer(edit_, buffer_); }

Value Get::VarGet() const { return block_.Eval(); }

Value Get::VarPut(const Value& value) {
  block_.Eval(value);
  return value;
}

void Get::SetFocus() {
  if (hasFocus_) return;
  hasFocus_ = true;
  original_ = VarGet();
  type_ = VALTYPE(original_);
  edit_ = MakeEditPicture(picture_.AsString(), original_);
  StartEdit(original_);
}

void Get::KillFocus() {
  if (!hasFocus_) return;
  hasFocus_ = false;
  pos_ = 0;
  clear_ = minus_ = changed_ = false;
  buffer_.clear();
  Display();
}

void Get::Assign() {
  if (!hasFocus_ || BadDate()) return;
  VarPut(UnTransform());
}

void Get::UpdateBuffer() {
  if (!hasFocus_) return;
  const Value value = VarGet();
  if (VALTYPE(value) != type_ && edit_.type != 'U') {
    // The variable changed its type behind the Get: edit it anew.
    type_ = VALTYPE(value);
    edit_ = MakeEditPicture(picture_.AsString(), value);
  }
  buffer_ = PutMask(edit_, value);
  SetPos(pos_);
  Display();
}

Value Get::UnTransform() const { return hasFocus_ ? UnTransformBuffer(edit_, buffer_, original_) : VarGet(); }

void Get::Reset() {
  if (!hasFocus_) return;
  StartEdit(VarGet());
}

void Get::StartEdit(const Value& value) {
  buffer_ = PutMask(edit_, value);
  changed_ = minus_ = rejected_ = false;
  clear_ = edit_.clearOnKey;
  const int first = FirstSlot();
  typeOut_ = first == 0;
  pos_ = std::max(1, first);
  Display();
}

void Get::Undo() {
  if (!hasFocus_) return;
  VarPut(original_);
  Reset();
}

bool Get::Slot(int pos) const { return pos >= 1 && IsEditSlot(edit_, static_cast<std::size_t>(pos - 1)); }

int Get::FirstSlot() const { return NextSlot(0); }

int Get::LastSlot() const { return PrevSlot(static_cast<int>(buffer_.size()) + 1); }

int Get::NextSlot(int pos) const {
  for (int p = pos + 1; p <= static_cast<int>(buffer_.size()); ++p)
    if (Slot(p)) return p;
  return 0;
}

int Get::PrevSlot(int pos) const {
  for (int p = std::min(pos, static_cast<int>(buffer_.size()) + 1) - 1; p >= 1; --p)
    if (Slot(p)) return p;
  return 0;
}

void Get::MovedTo(int pos) {
  pos_ = pos;
  clear_ = false;
  Display();
}

void Get::ClearField() {
  for (std::size_t i = 0; i < buffer_.size(); ++i)
    if (IsEditSlot(edit_, i)) buffer_[i] = ' ';
  minus_ = false;
  clear_ = false;
  pos_ = std::max(1, FirstSlot());
}

void Get::Put(char c, bool insert) {
  if (!hasFocus_) return;
  if (clear_) ClearField();
  if (typeOut_ && NextSlot(pos_) == 0) {
    // The field is full: nothing more goes in until the caret moves back.
    rejected_ = true;
    return;
  }
  if (!Slot(pos_)) {
    const int next = NextSlot(pos_);
    if (next == 0) {
      rejected_ = true;
      typeOut_ = true;
      return;
    }
    pos_ = next;
  }
  const auto i = static_cast<std::size_t>(pos_ - 1);
  const std::optional<char> stored = AcceptChar(edit_, i, c);
  rejected_ = !stored;
  if (rejected_) return;
  if (edit_.type == 'N' && (c == '-' || c == '+')) minus_ = c == '-';
  if (insert) {
    // Characters move right within the run of slots; the run's last one drops out.
    std::size_t end = i;
    while (end + 1 < buffer_.size() && IsEditSlot(edit_, end + 1)) ++end;
    buffer_.erase(end, 1);
    buffer_.insert(i, 1, *stored);
  } else {
    buffer_[i] = *stored;
  }
  changed_ = true;
  const int next = NextSlot(pos_);
  if (next == 0) typeOut_ = true;
  else pos_ = next;
  Display();
}

void Get::Insert(char c) { Put(c, true); }

void Get::Overstrike(char c) { Put(c, false); }

void Get::ToDecPos() {
  if (!hasFocus_ || edit_.type != 'N' || edit_.decPos == 0) return;
  // The integer digits typed so far move right, up to the decimal point.
  const Value value = clear_ ? Value(0) : UnTransform();
  buffer_ = PutMask(edit_, value);
  changed_ = true;
  const int next = NextSlot(edit_.decPos);
  MovedTo(next == 0 ? edit_.decPos : next);
}

void Get::Home() {
  if (!hasFocus_) return;
  typeOut_ = false;
  MovedTo(std::max(1, FirstSlot()));
}

void Get::End() {
  if (!hasFocus_) return;
  typeOut_ = false;
  // The caret goes behind the last character typed, or onto the last slot.
  int lastFilled = 0;
  for (int p = 1; p <= static_cast<int>(buffer_.size()); ++p)
    if (Slot(p) && buffer_[static_cast<std::size_t>(p - 1)] != ' ') lastFilled = p;
  int target = lastFilled == 0 ? FirstSlot() : NextSlot(lastFilled);
  if (target == 0) target = lastFilled;
  MovedTo(std::max(1, target));
}

void Get::Left() {
  if (!hasFocus_) return;
  typeOut_ = false;
  const int prev = PrevSlot(pos_);
  MovedTo(prev == 0 ? pos_ : prev);
}

void Get::Right() {
  if (!hasFocus_) return;
  const int next = NextSlot(pos_);
  if (next != 0) {
    typeOut_ = false;
    MovedTo(next);
  }
}

void Get::WordRight() {
  if (!hasFocus_) return;
  const int n = static_cast<int>(buffer_.size());
  int p = pos_;
  while (p <= n && buffer_[static_cast<std::size_t>(p - 1)] != ' ') ++p;
  while (p <= n && buffer_[static_cast<std::size_t>(p - 1)] == ' ') ++p;
  const int target = p > n ? 0 : (Slot(p) ? p : NextSlot(p));
  if (target == 0) return;
  typeOut_ = false;
  MovedTo(target);
}

void Get::WordLeft() {
  if (!hasFocus_) return;
  int p = pos_ - 1;
  while (p >= 1 && buffer_[static_cast<std::size_t>(p - 1)] == ' ') --p;
  while (p > 1 && buffer_[static_cast<std::size_t>(p - 2)] != ' ') --p;
  typeOut_ = false;
  if (p < 1) return;
  const int target = Slot(p) ? p : NextSlot(p);
  MovedTo(target == 0 || target >= pos_ ? std::max(1, PrevSlot(pos_)) : target);
}

void Get::Delete() {
  if (!hasFocus_ || !Slot(pos_)) return;
  // Characters after the caret move left within the run of slots; a blank fills its end.
  const auto i = static_cast<std::size_t>(pos_ - 1);
  std::size_t end = i;
  while (end + 1 < buffer_.size() && IsEditSlot(edit_, end + 1)) ++end;
  buffer_.erase(i, 1);
  buffer_.insert(end, 1, ' ');
  changed_ = true;
  clear_ = false;
  Display();
}

void Get::BackSpace() {
  if (!hasFocus_) return;
  const int prev = PrevSlot(pos_);
  if (prev == 0) return;
  pos_ = prev;
  Delete();
}

}  // namespace rt
