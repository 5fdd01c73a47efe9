// Native methods of com.phraxis.jni.StopMemory: each is one call of an
// exported engine function, whose result code is returned.
#include <span>
#include <vector>

#include "bridge_jni.h"
#include "bridge_text.h"
#include "com_phraxis_jni_StopMemory.h"
#include "phx_api.h"

using phx::jni::stop_handle;

namespace {

constexpr jint kFieldMissing = -1;

// Hands the bytes of a Java array to an engine function that reads a text up
// to its terminator. The engine gets a terminated copy, so an array without
// terminator cannot make it read past the array's end; a null array is
// passed on as a null text, which the engine refuses with its own code.
template <typename Call>
jint with_terminated_text(JNIEnv* env, jbyteArray bytes, Call call) {
  if (bytes == nullptr) {
    return call(nullptr);
  }
  std::vector<char> raw(static_cast<std::size_t>(env->GetArrayLength(bytes)));
  env->GetByteArrayRegion(bytes, 0, static_cast<jsize>(raw.size()),
                          reinterpret_cast<jbyte*>(raw.data()));
  std::vector<char> text = phx::jni::terminated_copy(raw);
  return call(text.data());
}

}  // namespace

extern "C" {

JNIEXPORT jint JNICALL Java_com_phraxis_jni_StopMemory_CreateStopMemory_1helper(JNIEnv* env,
                                                                                jobject self) {
  jfieldID handle_field =
      phx::jni::find_field(env, self, phx::jni::kStopHandleField, phx::jni::kLongSignature);
  if (handle_field == nullptr) {
    return kFieldMissing;
  }
  StopMemory* stop = nullptr;
  int code = PhxCreateStopMemory(&stop);
  if (code == 0) {
    env->SetLongField(self, handle_field, phx::jni::java_handle(stop));
  }
  return code;
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_StopMemory_ClearStopMemory_1helper(JNIEnv*, jobject,
                                                                               jlong stop) {
  return PhxClearStopMemory(stop_handle(stop));
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_StopMemory_AddStopWord_1helper(
    JNIEnv* env, jobject, jlong stop, jint language, jint code, jbyteArray word) {
  return with_terminated_text(env, word, [&](const char* text) {
    return PhxAddStopWord(stop_handle(stop), language, code, text);
  });
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_StopMemory_AddStopPhrase_1helper(
    JNIEnv* env, jobject, jlong stop, jint language, jint code, jbyteArray phrase) {
  return with_terminated_text(env, phrase, [&](const char* text) {
    return PhxAddStopPhrase(stop_handle(stop), language, code, text);
  });
}

JNIEXPORT jstring JNICALL Java_com_phraxis_jni_StopMemory_GetErrorMessage_1helper(JNIEnv* env,
                                                                                  jclass,
                                                                                  jint code) {
  return phx::jni::engine_message(env, code);
}

}  // extern "C"
