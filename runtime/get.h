#pragma once
// The Get class: the edit buffer of one input field. It formats a variable's
// value with a picture (runtime/get_picture.h), takes typed characters and
// caret movements while it has the focus, and writes the edited value back
// through the variable's block. It draws nothing itself: Display is the
// hook a screen or window layer overrides.
//
// The variable is reached through a block: evaluated without arguments it
// gives the value, with one argument it stores it. Positions are 1-based.

#include <string>

#include "runtime/get_picture.h"
#include "runtime/object.h"

namespace rt {

class Get : public Object {
 public:
  RT_CLASS_DECL()

  // The row, column and colour are kept for the caller; editing ignores them.
  Get& New(int row, int col, const Value& block, std::string name, const Value& picture,
           std::string colour = {});

  const Value& Block() const { return block_; }
  const std::string& Name() const { return name_; }
  const Value& Picture() const { return picture_; }
  void SetPicture(const Value& picture) { picture_ = picture; }
  // "C", "N", "D", "L" or "U": the type of the value being edited.
  const std::string& Type() const { return type_; }
  void SetType(std::string type) { type_ = std::move(type); }
  // The edit buffer; meaningful while the Get has the focus.
  const std::string& Buffer() const { return buffer_; }
  void SetBuffer(std::string buffer);
  int Pos() const { return pos_; }
  void SetPos(int pos);
  bool HasFocus() const { return hasFocus_; }
  int Row() const { return row_; }
  int Col() const { return col_; }
  const std::string& ColorSpec() const { return colour_; }

  // The variable's value when the Get took the focus.
  const Value& Original() const { return original_; }
  bool Changed() const { return changed_; }
  // Set: the next typed character first empties the field.
  bool Clear() const { return clear_; }
  void SetClear(bool clear) { clear_ = clear; }
  bool Minus() const { return minus_; }
  // The last typed character was refused.
  bool Rejected() const { return rejected_; }
  // Typing went past the last slot.
  bool TypeOut() const { return typeOut_; }
  void SetTypeOut(bool typeOut) { typeOut_ = typeOut; }
  bool BadDate() const;
  int DecPos() const { return edit_.decPos; }

  void SetFocus();
  void KillFocus();
  Value VarGet() const;
  Value VarPut(const Value& value);
  // Writes the buffer's value into the variable (not a date that is bad).
  void Assign();
  void UpdateBuffer();
  Value UnTransform() const;
  void Reset();
  void Undo();

  void Insert(char c);
  void Overstrike(char c);
  void ToDecPos();
  void Home();
  void End();
  void Left();
  void Right();
  void WordLeft();
  void WordRight();
  void Delete();
  void BackSpace();

  virtual void Display() {}

 private:
  bool Slot(int pos) const;  // 1-based
  int FirstSlot() const;     // 0 when the buffer has none
  // The buffer anew from the value, the caret on the first slot.
  void StartEdit(const Value& value);
  int LastSlot() const;
  int NextSlot(int pos) const;  // the first slot after pos; 0 when none
  int PrevSlot(int pos) const;
  void Put(char c, bool insert);
  void ClearField();
  void MovedTo(int pos);

  int row_ = 0;
  int col_ = 0;
  Value block_;
  std::string name_;
  Value picture_;
  std::string colour_;
  std::string type_ = "U";
  std::string buffer_;
  int pos_ = 0;
  bool hasFocus_ = false;
  Value original_;
  bool changed_ = false;
  bool clear_ = false;
  bool minus_ = false;
  bool rejected_ = false;
  bool typeOut_ = false;
  EditPicture edit_;
};

}  // namespace rt
