#pragma once

#include <QString>

namespace op {

// Barcode settings of a field, as the designer's barcode page reads and writes them.
class IQel1dBarCodeDesign {
 public:
  virtual ~IQel1dBarCodeDesign() = default;
  virtual int GetBarCodeType() const = 0;  // symbology ordinal
  virtual void SetBarCodeType(int type) = 0;
  virtual bool GetBarCodeCheckSum() const = 0;
  virtual void SetBarCodeCheckSum(bool on) = 0;
  virtual int GetBarCodeTextType() const = 0;  // 0 bars and text, other values bars only
  virtual void SetBarCodeTextType(int type) = 0;
  virtual int GetBarCodeSubTextType() const = 0;  // 0 all data, 1 part of it
  virtual void SetBarCodeSubTextType(int type) = 0;
  virtual int GetBarCodeSubTextMin() const = 0;
  virtual void SetBarCodeSubTextMin(int position) = 0;
  virtual int GetBarCodeSubTextMax() const = 0;
  virtual void SetBarCodeSubTextMax(int position) = 0;
};

// Offered by fields that can take their value from a serial-number field (bind type 3).
class IQELSerialDataBind {
 public:
  virtual ~IQELSerialDataBind() = default;
  // Links the field to the serial-number field with this identity (empty: unlinked).
  virtual void SetSerialLinkId(const QString &serialId) = 0;
};

}  // namespace op
