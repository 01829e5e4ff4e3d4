' Rule: A script may define its own Function and call it with arguments; its name holds the value it returns.
' Rule: Space(n) gives n spaces, so a helper can pad a text on the left.
' Case: "42" => "    42"
' Case: "1234567" => "1234567"
Function PadLeft(s, width)
  If Len(s) >= width Then
    PadLeft = s
  Else
    PadLeft = Space(width - Len(s)) & s
  End If
End Function

Function DataUpdated(Data)
  DataUpdated = PadLeft(Data, 6)
End Function
