// Native methods of com.phraxis.jni.DocumentMemory: each is one call of an
// exported engine function. Result codes are returned, or, for the getters,
// stored in the object's int_last_return_code field.
#include "bridge_text.h"
#include "com_phraxis_jni_DocumentMemory.h"
#include "bridge_jni.h"
#include "phx_api.h"

using phx::jni::document_handle;
using phx::jni::find_field;
using phx::jni::stop_handle;

namespace {

constexpr jint kFieldMissing = -1;

// Runs an engine getter that writes one value and returns it, or -1 (-1.0)
// when the engine fails; the engine's code goes to int_last_return_code.
template <typename Value, typename Call>
Value get_value(JNIEnv* env, jobject self, Value failure, Call call) {
  jfieldID code_field =
      find_field(env, self, phx::jni::kLastReturnCodeField, phx::jni::kIntSignature);
  if (code_field == nullptr) {
    return failure;
  }
  Value value{};
  int code = call(&value);
  env->SetIntField(self, code_field, code);
  return code == 0 ? value : failure;
}

// Runs an engine getter that hands out a text reference and returns a copy
// of the text's bytes (without terminator) as a new Java array, or null.
template <typename Call>
jbyteArray get_text(JNIEnv* env, jobject self, Call call) {
  jfieldID output_field =
      find_field(env, self, phx::jni::kOutputCodeField, phx::jni::kIntSignature);
  if (output_field == nullptr) {
    return nullptr;
  }
  jint output_code = env->GetIntField(self, output_field);
  jfieldID code_field =
      find_field(env, self, phx::jni::kLastReturnCodeField, phx::jni::kIntSignature);
  if (code_field == nullptr) {
    return nullptr;
  }
  const char* text = nullptr;
  int code = call(&text);
  env->SetIntField(self, code_field, code);
  // A highlight list shorter than its count leaves the text null with code 0.
  if (code != 0 || text == nullptr) {
    return nullptr;
  }
  auto length = static_cast<jsize>(phx::jni::engine_text_length(text, output_code));
  jbyteArray bytes = env->NewByteArray(length);
  if (bytes == nullptr) {
    return nullptr;  // OutOfMemoryError is pending for the caller
  }
  env->SetByteArrayRegion(bytes, 0, length, reinterpret_cast<const jbyte*>(text));
  return bytes;
}

}  // namespace

extern "C" {

JNIEXPORT jint JNICALL
Java_com_phraxis_jni_DocumentMemory_CreateDocumentMemory_1helper(JNIEnv* env, jobject self) {
  jfieldID handle_field =
      find_field(env, self, phx::jni::kDocumentHandleField, phx::jni::kLongSignature);
  if (handle_field == nullptr) {
    return kFieldMissing;
  }
  DocumentMemory* doc = nullptr;
  int code = PhxCreateDocumentMemory(&doc);
  if (code == 0) {
    env->SetLongField(self, handle_field, phx::jni::java_handle(doc));
  }
  return code;
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_DocumentMemory_ClearDocumentMemory_1helper(JNIEnv*,
                                                                                       jobject,
                                                                                       jlong doc) {
  return PhxClearDocumentMemory(document_handle(doc));
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_DocumentMemory_ActivateHighlights_1helper(JNIEnv*,
                                                                                      jobject,
                                                                                      jlong doc) {
  return PhxActivateHighlights(document_handle(doc));
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_DocumentMemory_ActivateHTMLFilter_1helper(
    JNIEnv*, jobject, jlong doc, jlong stop) {
  return PhxActivateHTMLFilter(document_handle(doc), stop_handle(stop));
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_DocumentMemory_ActivateEmailFilter_1helper(
    JNIEnv*, jobject, jlong doc, jlong stop) {
  return PhxActivateEmailFilter(document_handle(doc), stop_handle(stop));
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_DocumentMemory_SetInputCode_1helper(JNIEnv*, jobject,
                                                                                jlong doc,
                                                                                jint code) {
  return PhxSetInputCode(document_handle(doc), code);
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_DocumentMemory_SetOutputCode_1helper(JNIEnv*, jobject,
                                                                                 jlong doc,
                                                                                 jint code) {
  return PhxSetOutputCode(document_handle(doc), code);
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_DocumentMemory_SetDocumentLanguage_1helper(
    JNIEnv*, jobject, jlong doc, jint language) {
  return PhxSetDocumentLanguage(document_handle(doc), language);
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_DocumentMemory_SetNumberPhrases_1helper(
    JNIEnv*, jobject, jlong doc, jdouble number) {
  return PhxSetNumberPhrases(document_handle(doc), number);
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_DocumentMemory_SetHighlightType_1helper(
    JNIEnv*, jobject, jlong doc, jint type) {
  return PhxSetHighlightType(document_handle(doc), type);
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_DocumentMemory_ReadDocumentBuffer_1helper(
    JNIEnv* env, jobject, jlong doc, jlong stop, jbyteArray buffer) {
  // A null array reads as an empty buffer.
  if (buffer == nullptr) {
    return PhxReadDocumentBuffer(document_handle(doc), stop_handle(stop), nullptr, 0);
  }
  jsize length = env->GetArrayLength(buffer);
  jbyte* elements = env->GetByteArrayElements(buffer, nullptr);
  if (elements == nullptr) {
    env->ExceptionClear();
    return 1;  // the engine's out-of-memory code
  }
  int code = PhxReadDocumentBuffer(document_handle(doc), stop_handle(stop),
                                   reinterpret_cast<const char*>(elements), length);
  env->ReleaseByteArrayElements(buffer, elements, 0);
  return code;
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_DocumentMemory_SignalDocumentEnd_1helper(
    JNIEnv*, jobject, jlong doc, jlong stop) {
  return PhxSignalDocumentEnd(document_handle(doc), stop_handle(stop));
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_DocumentMemory_GetPhraseListSize_1helper(JNIEnv* env,
                                                                                     jobject self,
                                                                                     jlong doc) {
  return get_value(env, self, jint{-1},
                   [doc](jint* count) { return PhxGetPhraseListSize(document_handle(doc), count); });
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_DocumentMemory_GetHighlightListSize_1helper(
    JNIEnv* env, jobject self, jlong doc) {
  return get_value(env, self, jint{-1}, [doc](jint* count) {
    return PhxGetHighlightListSize(document_handle(doc), count);
  });
}

JNIEXPORT jint JNICALL Java_com_phraxis_jni_DocumentMemory_GetDocumentLanguage_1helper(
    JNIEnv* env, jobject self, jlong doc) {
  return get_value(env, self, jint{-1}, [doc](jint* language) {
    return PhxGetDocumentLanguage(document_handle(doc), language);
  });
}

JNIEXPORT jdouble JNICALL Java_com_phraxis_jni_DocumentMemory_GetScoreByIndex_1helper(
    JNIEnv* env, jobject self, jlong doc, jint index) {
  return get_value(env, self, jdouble{-1.0}, [doc, index](jdouble* score) {
    return PhxGetScoreByIndex(document_handle(doc), index, score);
  });
}

JNIEXPORT jbyteArray JNICALL Java_com_phraxis_jni_DocumentMemory_GetPhraseByIndex_1helper(
    JNIEnv* env, jobject self, jlong doc, jint index) {
  return get_text(env, self, [doc, index](const char** phrase) {
    return PhxGetPhraseByIndex(document_handle(doc), index, phrase);
  });
}

JNIEXPORT jbyteArray JNICALL Java_com_phraxis_jni_DocumentMemory_GetHighlightByIndex_1helper(
    JNIEnv* env, jobject self, jlong doc, jint index) {
  return get_text(env, self, [doc, index](const char** highlight) {
    return PhxGetHighlightByIndex(document_handle(doc), index, highlight);
  });
}

JNIEXPORT jstring JNICALL Java_com_phraxis_jni_DocumentMemory_GetErrorMessage_1helper(JNIEnv* env,
                                                                                      jclass,
                                                                                      jint code) {
  return phx::jni::engine_message(env, code);
}

}  // extern "C"
