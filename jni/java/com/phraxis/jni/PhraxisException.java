package com.phraxis.jni;

/**
 * A failure reported by the engine: its error code and its message text.
 *
 * <p>{@link #getMessage()} gives the engine's text without its trailing line
 * break; {@link #engineMessage()} gives it exactly as the engine stores it.
 */
public class PhraxisException extends RuntimeException {
  private static final long serialVersionUID = 1L;

  private final int code;
  private final String engineMessage;

  /** An exception for the engine's error {@code code}, with the engine's text. */
  public PhraxisException(int code) {
    this(code, DocumentMemory.errorMessage(code));
  }

  private PhraxisException(int code, String engineMessage) {
    super(engineMessage.strip());
    this.code = code;
    this.engineMessage = engineMessage;
  }

  /** The engine's error code. */
  public int code() {
    return code;
  }

  /** The engine's message text for the code, exactly as stored. */
  public String engineMessage() {
    return engineMessage;
  }

  /** Throws for any code but 0. */
  static void check(int code) {
    if (code != 0) {
      throw new PhraxisException(code);
    }
  }
}
