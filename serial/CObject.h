#pragma once

// The root of the system's classes: a virtual destructor and a class-name query.
class CObject {
  public:
    virtual ~CObject() = default;
    virtual const char* GetClassName() const { return "CObject"; }
};
