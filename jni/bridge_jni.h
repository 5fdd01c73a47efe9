// JNI plumbing shared by the native methods: access to the fields of the
// Java objects, the conversion between Java longs and engine handles, and
// the engine's message texts as Java strings.
//
// Fields are looked up by name and type signature on the object's own class
// at every call. A field that is missing makes the look-up fail quietly: the
// NoSuchFieldError the virtual machine raises is cleared, and the caller
// reports the failure through its result (-1, -1.0 or null).
#pragma once

#include <jni.h>

#include <cstdint>

#include "phx_api.h"

namespace phx::jni {

inline constexpr const char* kDocumentHandleField = "lng_document_mem_ptr";
inline constexpr const char* kStopHandleField = "lng_stop_mem_ptr";
inline constexpr const char* kLastReturnCodeField = "int_last_return_code";
inline constexpr const char* kOutputCodeField = "int_output_code";
inline constexpr const char* kLongSignature = "J";
inline constexpr const char* kIntSignature = "I";

// The field `name` of type `signature` on the class of `object`, or null.
inline jfieldID find_field(JNIEnv* env, jobject object, const char* name, const char* signature) {
  jclass object_class = env->GetObjectClass(object);
  jfieldID field = env->GetFieldID(object_class, name, signature);
  env->DeleteLocalRef(object_class);
  if (field == nullptr) {
    env->ExceptionClear();
  }
  return field;
}

// Handles travel as Java longs; the value is passed back to the engine as it
// was stored.
inline DocumentMemory* document_handle(jlong handle) {
  return reinterpret_cast<DocumentMemory*>(static_cast<std::intptr_t>(handle));
}

inline StopMemory* stop_handle(jlong handle) {
  return reinterpret_cast<StopMemory*>(static_cast<std::intptr_t>(handle));
}

template <typename Record>
jlong java_handle(Record* record) {
  return static_cast<jlong>(reinterpret_cast<std::intptr_t>(record));
}

// The engine's message text of `code` as a new Java string.
inline jstring engine_message(JNIEnv* env, jint code) {
  const char* message = nullptr;
  PhxGetErrorMessage(code, &message);
  return env->NewStringUTF(message);  // every message is plain ASCII
}

}  // namespace phx::jni
