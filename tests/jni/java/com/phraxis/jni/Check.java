package com.phraxis.jni;

import java.util.Arrays;
import java.util.Objects;

/** A small assertion helper: records failures, keeps going, reports at the end. */
final class Check {
  private int passed;
  private int failed;
  private String group = "";

  void group(String name) {
    group = name;
    System.out.println("-- " + name);
  }

  void equal(Object expected, Object actual, String what) {
    boolean same =
        expected instanceof byte[] && actual instanceof byte[]
            ? Arrays.equals((byte[]) expected, (byte[]) actual)
            : Objects.equals(expected, actual);
    record(same, what + ": expected <" + show(expected) + "> but was <" + show(actual) + ">");
  }

  void isTrue(boolean condition, String what) {
    record(condition, what);
  }

  void isNull(Object value, String what) {
    record(value == null, what + ": expected null but was <" + show(value) + ">");
  }

  /** Runs {@code action} and checks that it throws a PhraxisException; returns it. */
  PhraxisException throwsEngineError(int code, Runnable action, String what) {
    try {
      action.run();
    } catch (PhraxisException e) {
      equal(code, e.code(), what + " (code)");
      equal(DocumentMemory.errorMessage(code), e.engineMessage(), what + " (message)");
      return e;
    }
    record(false, what + ": expected PhraxisException " + code + " but nothing was thrown");
    return null;
  }

  /** Records an exception that escaped a group. */
  void unexpected(Throwable error) {
    record(false, "unexpected " + error);
    error.printStackTrace(System.out);
  }

  /** Prints the summary; returns the process exit status. */
  int finish() {
    System.out.println(passed + " passed, " + failed + " failed");
    return failed == 0 ? 0 : 1;
  }

  private void record(boolean ok, String message) {
    if (ok) {
      passed++;
    } else {
      failed++;
      System.out.println("FAILED [" + group + "] " + message);
    }
  }

  private static String show(Object value) {
    if (value instanceof byte[]) {
      return Arrays.toString((byte[]) value);
    }
    return String.valueOf(value).replace("\n", "\\n");
  }
}
