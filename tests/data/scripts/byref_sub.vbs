' Rule: Arguments pass by reference unless declared ByVal, so a Sub can change the caller's variable.
' Rule: Call runs a Sub with its arguments in parentheses.
' Case: "abc" => "[abc]|abc"
Sub Wrap(ByRef s, ByVal t)
  s = "[" & s & "]"
  t = "(" & t & ")"
End Sub

Function DataUpdated(Data)
  Dim a, b
  a = Data
  b = Data
  Call Wrap(a, b)
  DataUpdated = a & "|" & b
End Function
